<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>User Help</translation>
    </message>
    <message>
        <source>Update Scence</source>
        <translation>Update Scence</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation>No user manual found.</translation>
    </message>
    <message>
        <source>v%1build</source>
        <translation>v%1build</translation>
    </message>
</context>
<context>
    <name>AtomicFileWriter</name>
    <message>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>CapacityCalculation</source>
        <translation>CapacityCalculation</translation>
    </message>
    <message>
        <source>Capacity Calculation :</source>
        <translation>Capacity Calculation :</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>DataCalculatorPage</name>
    <message>
        <source>DataCalculatorPage</source>
        <translation>DataCalculatorPage</translation>
    </message>
    <message>
        <source>set disk size : </source>
        <translation>set disk size : </translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>record time :</source>
        <translation>record time :</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>set save time:</source>
        <translation>set save time:</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>DAY</translation>
    </message>
    <message>
        <source>WEEK</source>
        <translation>WEEK</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>MONTH</translation>
    </message>
    <message>
        <source>record time each day :</source>
        <translation>record time each day :</translation>
    </message>
    <message>
        <source>Calculate Time</source>
        <translation>Calculate Time</translation>
    </message>
    <message>
        <source>Calculate Size</source>
        <translation>Calculate Size</translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>DataDisplayPage</source>
        <translation>DataDisplayPage</translation>
    </message>
    <message>
        <source>Video can be saved:</source>
        <translation>Video can be saved:</translation>
    </message>
    <message>
        <source>By Day</source>
        <translation>By Day</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:60pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;天&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:60pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;天&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>Day(s)</translation>
    </message>
    <message>
        <source>By Week</source>
        <translation>By Week</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;周&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;周&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>Week(s)</translation>
    </message>
    <message>
        <source>By Month</source>
        <translation>By Month</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;月&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;月&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>Month(s)</translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>DeviceAddPage</source>
        <translation>DeviceAddPage</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation>Clear all the channels?</translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>DeviceEditor</source>
        <translation>DeviceEditor</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Add Device</translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation>Channel Name :</translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation>Channel Counts :</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>Device Type :</translation>
    </message>
    <message>
        <source>Encode Section :        </source>
        <translation>Encode Section :        </translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <translation>Fixed Rate</translation>
    </message>
    <message>
        <source>VarRate</source>
        <translation>VarRate</translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation>Device Resolution :</translation>
    </message>
    <message>
        <source>Frame Rate :     </source>
        <translation>Frame Rate :     </translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>Encoding Type :</translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation>Recommend Rate :</translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation>+ Add</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Channel Name</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>The rate of this device is unknown, so it was not added. After a scene import, restart the software first.</source>
        <translation>The rate of this device is unknown, so it was not added. After a scene import, restart the software first.</translation>
    </message>
    <message>
        <source>There is no frame rate to choose (Frame.xml), so the device was not added.</source>
        <translation>There is no frame rate to choose (Frame.xml), so the device was not added.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
</context>
<context>
    <name>DeviceInfoManager</name>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>DVR/NVR</source>
        <translation>DVR/NVR</translation>
    </message>
</context>
<context>
    <name>DeviceItemWidget</name>
    <message>
        <source>DeviceItemWidget</source>
        <translation>DeviceItemWidget</translation>
    </message>
    <message>
        <source>Counts :</source>
        <translation>Counts :</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <translation>Bit Rate :</translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation>Resolution :</translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation>Encode Type:</translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation>Scence Name:</translation>
    </message>
</context>
<context>
    <name>LarkspanMainPage</name>
    <message>
        <source>LarkspanMainPage</source>
        <translation>LarkspanMainPage</translation>
    </message>
    <message>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Exit the Larkspan software?</source>
        <translation>Exit the Larkspan software?</translation>
    </message>
</context>
<context>
    <name>NM_Larkspan::DeviceItemWidget</name>
    <message>
        <source>Counts : %1</source>
        <translation>Counts : %1</translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <translation>Fixted Rate : %1 kbps</translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation>Frame Rate : %1</translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation>Resolution : %1</translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation>Encode Type : %1</translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation>Variable Rate : %1 kbps</translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation>Scene Type : %1</translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>ScenceSelector</source>
        <translation>ScenceSelector</translation>
    </message>
    <message>
        <source>Scence:</source>
        <translation>Scence:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Get Picture Failure&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Get Picture Failure&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation>Get Picture Failure</translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>SizeDisplayPage</source>
        <translation>SizeDisplayPage</translation>
    </message>
    <message>
        <source>Calculate the required disk capacity :</source>
        <translation>Calculate the required disk capacity :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;MB&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;MB&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>sure</source>
        <translation>sure</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>UpdateDialog</source>
        <translation>UpdateDialog</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>tip text</source>
        <translation>tip text</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>Import Templete</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <translation>Tip: Need to Restart</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>Update Data</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <translation>Export Success.</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <translation>Export Failure.</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <translation>Import Success, Restart Software to Work.</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <translation>Import Failure.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path</source>
        <translation>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path</translation>
    </message>
    <message>
        <source>Hospital,H.265,720P,1204,D:\secne\hospital1.png</source>
        <translation>Hospital,H.265,720P,1204,D:\secne\hospital1.png</translation>
    </message>
    <message>
        <source>Hospital,H.264,1080P,2048,D:\secne\hospital2.png</source>
        <translation>Hospital,H.264,1080P,2048,D:\secne\hospital2.png</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Line %1 has fewer than five fields.</source>
        <translation>Line %1 has fewer than five fields.</translation>
    </message>
    <message>
        <source>Line %1 has no whole, non-negative rate.</source>
        <translation>Line %1 has no whole, non-negative rate.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures not copied: %1</source>
        <translation>Pictures not copied: %1</translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <translation>WidgetDeviceListBorder</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Larkspan is already running.</source>
        <translation>Larkspan is already running.</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>Display resolution less than 1024*768,are you sure to start the program?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
</context>
</TS>
