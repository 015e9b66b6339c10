<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BaseDialog</name>
    <message>
        <source>BaseDialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>null content</source>
        <translation>无内容</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>BaseTitle</name>
    <message>
        <source>BaseTitle</source>
        <translation>标题栏</translation>
    </message>
</context>
<context>
    <name>DlgAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>PushButton</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
</context>
<context>
    <name>aptui::CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source> v2.0.0.3</source>
        <translation> v2.0.0.3</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>版本：</translation>
    </message>
</context>
<context>
    <name>aptui::WindowTitle</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
</context>
</TS>
