<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KytoFlexiblePLL</name>
    <message>
        <source>hext input error!</source>
        <translation>hext 输入错误！</translation>
    </message>
    <message>
        <source>sclk input error!</source>
        <translation>sclk 输入错误！</translation>
    </message>
    <message>
        <source>Actual value</source>
        <translation>实际值</translation>
    </message>
    <message>
        <source>Can not support sclk greater than</source>
        <translation>不支持sclk大于</translation>
    </message>
    <message>
        <source>Can not support apb1clk greater than</source>
        <translation>不支持apb1clk大于</translation>
    </message>
    <message>
        <source>Can not support apb2clk greater than</source>
        <translation>不支持apb2clk大于</translation>
    </message>
    <message>
        <source>USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?</source>
        <translation>USB时钟必须为48MHz，但当前配置的USB时钟错误，请确认是否继续？</translation>
    </message>
    <message>
        <source>USBHS PHY clock must be 12MHz. But the PHY clock of current config is wrong.  please confirm whether to continue?</source>
        <translation>USBHS PHY时钟必须为12MHz，但当前配置的PHY时钟错误，请确认是否继续？</translation>
    </message>
</context>
</TS>
