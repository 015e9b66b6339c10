<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>CapacityCalculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity Calculation :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataCalculatorPage</name>
    <message>
        <source>DataCalculatorPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set disk size : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set save time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEEK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record time each day :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>DataDisplayPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video can be saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:60pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;天&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;周&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;月&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>DeviceAddPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>DeviceEditor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode Section :        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VarRate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate :     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceInfoManager</name>
    <message>
        <source>IPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVR/NVR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceItemWidget</name>
    <message>
        <source>DeviceItemWidget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NM_Larkspan::DeviceItemWidget</name>
    <message>
        <source>Counts : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>ScenceSelector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Get Picture Failure&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>SizeDisplayPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the required disk capacity :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;MB&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larkspan is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Larkspan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
