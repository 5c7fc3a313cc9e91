<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KytoDualModePLL</name>
    <message>
        <source>hext input error!</source>
        <translation>hext 输入错误！</translation>
    </message>
    <message>
        <source>sclk input error!</source>
        <translation>sclk 输入错误！</translation>
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
        <source>Can not support pll clock greater than</source>
        <translation>不支持pll时钟大于</translation>
    </message>
    <message>
        <source>Can not support pll clock less than</source>
        <translation>不支持pll时钟小于</translation>
    </message>
    <message>
        <source>USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?</source>
        <translation>USB时钟必须为48MHz，但当前配置的USB时钟错误，请确认是否继续？</translation>
    </message>
    <message>
        <source>The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong, please confirm whether to continue?</source>
        <translation>ADC时钟最大为28MHz，当前配置的ADC时钟错误，请确认是否继续？</translation>
    </message>
</context>
</TS>
