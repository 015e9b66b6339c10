<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>No space left on device</source>
        <translation>设备上没有剩余空间</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>Not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>The folder is on a read-only disk</source>
        <translation>该文件夹位于只读磁盘上</translation>
    </message>
    <message>
        <source>No permission to write in this folder</source>
        <translation>没有在此文件夹中写入的权限</translation>
    </message>
    <message>
        <source>No permission to replace the file</source>
        <translation>没有替换该文件的权限</translation>
    </message>
</context>
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
    <name>RegularFile</name>
    <message>
        <source>Not a regular file (a pipe, a device or a socket)</source>
        <translation>不是普通文件（而是管道、设备或套接字）</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>A folder, not a file</source>
        <translation>是文件夹，不是文件</translation>
    </message>
</context>
<context>
    <name>aptui::BaseTitle</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
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
    <name>aptui::FileNotice</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>No program could open the file.</source>
        <translation>没有程序能打开该文件。</translation>
    </message>
    <message>
        <source>No program could open the folder.</source>
        <translation>没有程序能打开该文件夹。</translation>
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
