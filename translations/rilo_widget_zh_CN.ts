<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>rilo::widget::AbstractStateWidget</name>
    <message>
        <source>active</source>
        <translation>激活</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>未激活</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>使能</translation>
    </message>
    <message>
        <source>not enabled</source>
        <translation>未使能</translation>
    </message>
</context>
</TS>
