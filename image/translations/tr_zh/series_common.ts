<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>SeriesPage</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>选择目录</translation>
    </message>
    <message>
        <source>Creating &quot;inc&quot; folder error!</source>
        <translation>创建&quot;inc&quot;文件夹错误！</translation>
    </message>
    <message>
        <source>Creating &quot;src&quot; folder error!</source>
        <translation>创建&quot;src&quot;文件夹错误！</translation>
    </message>
    <message>
        <source>Generate code failed!</source>
        <translation>代码生成失败！</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Generate code failed! The %1 clock of %2 MHz is not a valid frequency.</source>
        <translation>代码生成失败！%1 时钟 %2 MHz 不是有效频率。</translation>
    </message>
    <message>
        <source>Generate code finished!  Files:</source>
        <translation>代码生成完成！  文件：</translation>
    </message>
    <message>
        <source> Open Folder  </source>
        <translation> 打开文件夹  </translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Config file (*.ZKCF)</source>
        <translation>Config file (*.ZKCF)</translation>
    </message>
    <message>
        <source>Save file failed!</source>
        <translation>文件保存失败!</translation>
    </message>
    <message>
        <source>Save file succeed!</source>
        <translation>文件保存成功!</translation>
    </message>
</context>
<context>
    <name>PllFactorEdits</name>
    <message>
        <source>pll_ms input error!</source>
        <translation>pll_ms 输入错误！</translation>
    </message>
    <message>
        <source>pll_ns input error!</source>
        <translation>pll_ns 输入错误！</translation>
    </message>
    <message>
        <source>pll_ms input error, is it adjusted automatically?
The following condition must be met: 
2MHz &lt;= pll_input / pll_ms &lt;= 16MHz</source>
        <translation>pll_ms 输入错误，是否自动调整？
必须满足以下条件：
2MHz &lt;= pll_input / pll_ms &lt;= 16MHz</translation>
    </message>
    <message>
        <source>pll_ns input error, is it adjusted automatically?

The following condition must be met: 
500MHz &lt;= pll_input * pll_ns / pll_ms &lt;= 1200MHz</source>
        <translation>pll_ns 输入错误，是否自动调整？

必须满足以下条件：
500MHz &lt;= pll_input * pll_ns / pll_ms &lt;= 1200MHz</translation>
    </message>
    <message>
        <source>pll_ns input error, is it adjusted automatically?

The following condition must be met: 
500MHz &lt;= pll_input * pll_ns / pll_ms &lt;= 1000MHz</source>
        <translation>pll_ns 输入错误，是否自动调整？

必须满足以下条件：
500MHz &lt;= pll_input * pll_ns / pll_ms &lt;= 1000MHz</translation>
    </message>
</context>
</TS>
