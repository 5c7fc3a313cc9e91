<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KytoD5x5PLL</name>
    <message>
        <source>Can not support apb1clk greater than</source>
        <translation>不支持apb1clk大于</translation>
    </message>
    <message>
        <source>Can not support apb2clk greater than</source>
        <translation>不支持apb2clk大于</translation>
    </message>
    <message>
        <source>Can not support apb3clk greater than</source>
        <translation>不支持apb3clk大于</translation>
    </message>
    <message>
        <source>Can not support pll clock greater than</source>
        <translation>不支持pll clock大于</translation>
    </message>
    <message>
        <source>Can not support sclk greater than</source>
        <translation>不支持sclk大于</translation>
    </message>
    <message>
        <source>Creating &quot;inc&quot; folder error!</source>
        <translation>创建inc文件夹失败!</translation>
    </message>
    <message>
        <source>Creating &quot;src&quot; folder error!</source>
        <translation>创建src文件夹失败!</translation>
    </message>
    <message>
        <source>Generate code failed!</source>
        <translation>代码产生失败！</translation>
    </message>
    <message>
        <source>Generate code finished!  Files:</source>
        <translation>代码产生完成！ 文件如下：</translation>
    </message>
    <message>
        <source>apb3div input error!</source>
        <translation>apb3div 输入错误！</translation>
    </message>
    <message>
        <source>hext input error!</source>
        <translation>hext 输入错误！</translation>
    </message>
    <message>
        <source>sclk input error!</source>
        <translation>sclk 输入错误！</translation>
    </message>
</context>
</TS>
