<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KytoR620PLL</name>
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
        <source>hext input error!</source>
        <translation>hext 输入错误！</translation>
    </message>
    <message>
        <source>sclk input error!</source>
        <translation>sclk 输入错误！</translation>
    </message>
    <message>
        <source>pll input clock source range 2-16MHz!</source>
        <translation>pll输入时钟源范围2-16MHz！</translation>
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
        <source>USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?</source>
        <translation>USB时钟必须为48MHz，但当前配置的USB时钟错误，请确认是否继续？</translation>
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
    <message>
        <source>The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong.  please confirm whether to continue?</source>
        <translation>ADC时钟最大为28MHz，当前配置的ADC时钟错误，请确认是否继续？</translation>
    </message>
</context>
<context>
    <name>KytoR620APLL</name>
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
        <source>hext input error!</source>
        <translation>hext 输入错误！</translation>
    </message>
    <message>
        <source>sclk input error!</source>
        <translation>sclk 输入错误！</translation>
    </message>
    <message>
        <source>pll input clock source range 2-16MHz!</source>
        <translation>pll输入时钟源范围2-16MHz！</translation>
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
        <source>USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?</source>
        <translation>USB时钟必须为48MHz，但当前配置的USB时钟错误，请确认是否继续？</translation>
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
    <message>
        <source>The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong.  please confirm whether to continue?</source>
        <translation>ADC时钟最大为28MHz，当前配置的ADC时钟错误，请确认是否继续？</translation>
    </message>
</context>
<context>
    <name>KytoR650PLL</name>
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
        <source>hext input error!</source>
        <translation>hext 输入错误！</translation>
    </message>
    <message>
        <source>sclk input error!</source>
        <translation>sclk 输入错误！</translation>
    </message>
    <message>
        <source>pll input clock source range 2-16MHz!</source>
        <translation>pll输入时钟源范围2-16MHz！</translation>
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
        <source>USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?</source>
        <translation>USB时钟必须为48MHz，但当前配置的USB时钟错误，请确认是否继续？</translation>
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
    <message>
        <source>The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong.  please confirm whether to continue?</source>
        <translation>ADC时钟最大为28MHz，当前配置的ADC时钟错误，请确认是否继续？</translation>
    </message>
</context>
<context>
    <name>KytoH620APLL</name>
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
        <source>hext input error!</source>
        <translation>hext 输入错误！</translation>
    </message>
    <message>
        <source>sclk input error!</source>
        <translation>sclk 输入错误！</translation>
    </message>
    <message>
        <source>pll input clock source range 2-16MHz!</source>
        <translation>pll输入时钟源范围2-16MHz！</translation>
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
        <source>USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?</source>
        <translation>USB时钟必须为48MHz，但当前配置的USB时钟错误，请确认是否继续？</translation>
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
    <message>
        <source>The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong.  please confirm whether to continue?</source>
        <translation>ADC时钟最大为28MHz，当前配置的ADC时钟错误，请确认是否继续？</translation>
    </message>
</context>
<context>
    <name>KytoR710PLL</name>
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
        <source>hext input error!</source>
        <translation>hext 输入错误！</translation>
    </message>
    <message>
        <source>sclk input error!</source>
        <translation>sclk 输入错误！</translation>
    </message>
    <message>
        <source>pll input clock source range 2-16MHz!</source>
        <translation>pll输入时钟源范围2-16MHz！</translation>
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
        <source>USB clock must be 48MHz. But the USB clock of current config is wrong.  please confirm whether to continue?</source>
        <translation>USB时钟必须为48MHz，但当前配置的USB时钟错误，请确认是否继续？</translation>
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
    <message>
        <source>The maximum ADC clock is 28 MHz. The currently configured ADC clock is wrong, please confirm whether to continue?</source>
        <translation>ADC时钟最大为28MHz，当前配置的ADC时钟错误，请确认是否继续？</translation>
    </message>
</context>
</TS>
