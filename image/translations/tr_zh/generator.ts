<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source> file already exists. Do you want to replace it? </source>
        <translation> 文件已经存在，是否替换？ </translation>
    </message>
    <message>
        <source>Do this for the next conflicts</source>
        <translation>为之后的冲突执行此操作</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
