<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KytoMCUPLL</name>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
</context>
<context>
    <name>KytoPLLConfig</name>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Config Reset</source>
        <translation>配置重置</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The current configuration will be reset. Please confirm whether to continue?</source>
        <translation>将重置当前项目，是否继续？</translation>
    </message>
    <message>
        <source>MCU in file not supported.</source>
        <translation>不支持文件中MCU。</translation>
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
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
