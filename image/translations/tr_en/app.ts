<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FormConfiguration</name>
    <message>
        <source>The current configuration will be closed before creating a new project. . Please confirm whether to continue?</source>
        <translation>The current configuration will be closed before creating a new project. Please confirm whether to continue?</translation>
    </message>
    <message>
        <source>Can't open manual!</source>
        <translation>Can't open user manual!</translation>
    </message>
</context>
<context>
    <name>VersionAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
</TS>
