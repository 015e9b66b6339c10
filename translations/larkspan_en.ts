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
    <message>
        <source>No program could open the user manual. It is here:
%1</source>
        <translation>No program could open the user manual. It is here:
%1</translation>
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
    <message numerus="yes">
        <source>%1, and %n more limit(s) broken</source>
        <translation>
            <numerusform>%1, and %n more limit broken</numerusform>
            <numerusform>%1, and %n more limits broken</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLineTexts</name>
    <message>
        <source>Storage planner for video-surveillance installations.</source>
        <translation>Storage planner for video-surveillance installations.</translation>
    </message>
    <message>
        <source>Write the report of &lt;plan&gt; without a window.</source>
        <translation>Write the report of &lt;plan&gt; without a window.</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plan</translation>
    </message>
    <message>
        <source>The report&apos;s file: .pdf or .csv.</source>
        <translation>The report&apos;s file: .pdf or .csv.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>A plan (.larkspan) to open.</source>
        <translation>A plan (.larkspan) to open.</translation>
    </message>
    <message>
        <source>--report needs a plan and -o with the report&apos;s file, and nothing else.</source>
        <translation>--report needs a plan and -o with the report&apos;s file, and nothing else.</translation>
    </message>
    <message>
        <source>-o names the file of a --report.</source>
        <translation>-o names the file of a --report.</translation>
    </message>
    <message>
        <source>Only one plan can be opened at a time.</source>
        <translation>Only one plan can be opened at a time.</translation>
    </message>
    <message>
        <source>larkspan: %1: %2</source>
        <translation>larkspan: %1: %2</translation>
    </message>
    <message>
        <source>larkspan: %1</source>
        <translation>larkspan: %1</translation>
    </message>
    <message>
        <source>Print whether every recorder of &lt;plan&gt; keeps its period within its limits, without a window.</source>
        <translation>Print whether every recorder of &lt;plan&gt; keeps its period within its limits, without a window.</translation>
    </message>
    <message>
        <source>--check needs a plan and nothing else.</source>
        <translation>--check needs a plan and nothing else.</translation>
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
    <message>
        <source>Work out the disk size from the drives of a disk array</source>
        <translation>Work out the disk size from the drives of a disk array</translation>
    </message>
    <message>
        <source>Disk array...</source>
        <translation>Disk array...</translation>
    </message>
    <message>
        <source>The drives that hold this size; click to change the drive size, level, hot spares or fill limit</source>
        <translation>The drives that hold this size; click to change the drive size, level, hot spares or fill limit</translation>
    </message>
    <message>
        <source>Sizes the disk for the most the cameras may write (the high bound of the range), so that the period is kept whatever the scenes and nights do. Off: the expected figure of the bitrate tables.</source>
        <translation>Sizes the disk for the most the cameras may write (the high bound of the range), so that the period is kept whatever the scenes and nights do. Off: the expected figure of the bitrate tables.</translation>
    </message>
    <message>
        <source>Guaranteed retention</source>
        <translation>Guaranteed retention</translation>
    </message>
    <message>
        <source>A recorder&apos;s disk is its drives: set them with &quot;Disk array...&quot;.</source>
        <translation>A recorder&apos;s disk is its drives: set them with &quot;Disk array...&quot;.</translation>
    </message>
    <message>
        <source>Recording hours per day</source>
        <translation>Recording hours per day</translation>
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
    <message>
        <source>The range of the recording time: from the most the cameras may write to the least. The large figure is the expected one.</source>
        <translation>The range of the recording time: from the most the cameras may write to the least. The large figure is the expected one.</translation>
    </message>
    <message>
        <source>more than %1 %2</source>
        <translation>more than %1 %2</translation>
    </message>
</context>
<context>
    <name>DeleteRecorder</name>
    <message>
        <source>Its groups move to :</source>
        <translation>Its groups move to :</translation>
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
    <message>
        <source>Move to</source>
        <translation>Move to</translation>
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
    <message>
        <source>Enter a channel count of at least 1.</source>
        <translation>Enter a channel count of at least 1.</translation>
    </message>
    <message>
        <source>The rate of this group is unknown, so it was not saved. After a scene import, restart the software first.</source>
        <translation>The rate of this group is unknown, so it was not saved. After a scene import, restart the software first.</translation>
    </message>
    <message>
        <source>There is no frame rate to choose (Frame.xml), so the group was not saved.</source>
        <translation>There is no frame rate to choose (Frame.xml), so the group was not saved.</translation>
    </message>
    <message>
        <source>Choose &quot;All&quot; to switch the frame standard of the site.</source>
        <translation>Choose &quot;All&quot; to switch the frame standard of the site.</translation>
    </message>
    <message>
        <source>Show or hide the device editor</source>
        <translation>Show or hide the device editor</translation>
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
    <message>
        <source>Edit group</source>
        <translation>Edit group</translation>
    </message>
</context>
<context>
    <name>DiskArrayDialog</name>
    <message>
        <source>DiskArrayDialog</source>
        <translation>DiskArrayDialog</translation>
    </message>
    <message>
        <source>Drives in all :</source>
        <translation>Drives in all :</translation>
    </message>
    <message>
        <source>Drive size :</source>
        <translation>Drive size :</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>Level :</translation>
    </message>
    <message>
        <source>Groups :</source>
        <translation>Groups :</translation>
    </message>
    <message>
        <source>Hot spares :</source>
        <translation>Hot spares :</translation>
    </message>
    <message>
        <source>Fill limit :</source>
        <translation>Fill limit :</translation>
    </message>
    <message>
        <source>Disk array</source>
        <translation>Disk array</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Usable capacity :</source>
        <translation>Usable capacity :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>These drives make no array: see the reasons above.</source>
        <translation>These drives make no array: see the reasons above.</translation>
    </message>
    <message>
        <source>&quot;Use&quot; sets the disk size to %1 %2.</source>
        <translation>&quot;Use&quot; sets the disk size to %1 %2.</translation>
    </message>
    <message>
        <source>Rounded down to a whole GB: the field takes whole numbers.</source>
        <translation>Rounded down to a whole GB: the field takes whole numbers.</translation>
    </message>
    <message>
        <source>Drives for %1 :</source>
        <translation>Drives for %1 :</translation>
    </message>
    <message>
        <source>&quot;Apply&quot; keeps these inputs for the drives shown under the size.</source>
        <translation>&quot;Apply&quot; keeps these inputs for the drives shown under the size.</translation>
    </message>
    <message>
        <source>Rounded down to a whole GB: the field takes three decimals of a TB.</source>
        <translation>Rounded down to a whole GB: the field takes three decimals of a TB.</translation>
    </message>
</context>
<context>
    <name>DiskArrayText</name>
    <message>
        <source>Single drives (JBOD)</source>
        <translation>Single drives (JBOD)</translation>
    </message>
    <message>
        <source>An array takes at least one drive.</source>
        <translation>An array takes at least one drive.</translation>
    </message>
    <message>
        <source>At most %1 drives, hot spares included.</source>
        <translation>At most %1 drives, hot spares included.</translation>
    </message>
    <message>
        <source>%1 takes at least %2 drives in each of %3 groups: %4 besides the hot spares.</source>
        <translation>%1 takes at least %2 drives in each of %3 groups: %4 besides the hot spares.</translation>
    </message>
    <message>
        <source>%1 takes at least %2 drives besides the hot spares.</source>
        <translation>%1 takes at least %2 drives besides the hot spares.</translation>
    </message>
    <message>
        <source>A %1 set takes at most %2 drives: choose %3 for more.</source>
        <translation>A %1 set takes at most %2 drives: choose %3 for more.</translation>
    </message>
    <message>
        <source>RAID 1 mirrors a pair: 2 drives besides the hot spares (RAID 10 mirrors more).</source>
        <translation>RAID 1 mirrors a pair: 2 drives besides the hot spares (RAID 10 mirrors more).</translation>
    </message>
    <message>
        <source>RAID 10 mirrors pairs: an even number of drives besides the hot spares.</source>
        <translation>RAID 10 mirrors pairs: an even number of drives besides the hot spares.</translation>
    </message>
    <message>
        <source>Enter the size of one drive, above 0 TB.</source>
        <translation>Enter the size of one drive, above 0 TB.</translation>
    </message>
    <message>
        <source>At most %1 a drive.</source>
        <translation>At most %1 a drive.</translation>
    </message>
    <message>
        <source>From %1 to %2 groups.</source>
        <translation>From %1 to %2 groups.</translation>
    </message>
    <message>
        <source>%1 drives besides the hot spares do not split into %2 equal groups.</source>
        <translation>%1 drives besides the hot spares do not split into %2 equal groups.</translation>
    </message>
    <message>
        <source>Fewer hot spares than drives: the array needs drives of its own.</source>
        <translation>Fewer hot spares than drives: the array needs drives of its own.</translation>
    </message>
    <message>
        <source>From 1 to 100 %.</source>
        <translation>From 1 to 100 %.</translation>
    </message>
    <message>
        <source>%1 × %2 as single drives</source>
        <translation>%1 × %2 as single drives</translation>
    </message>
    <message>
        <source>%1 × %2 in %3</source>
        <translation>%1 × %2 in %3</translation>
    </message>
    <message>
        <source>%1 data</source>
        <translation>%1 data</translation>
    </message>
    <message>
        <source>%1 mirror</source>
        <translation>%1 mirror</translation>
    </message>
    <message>
        <source>%1 parity</source>
        <translation>%1 parity</translation>
    </message>
    <message>
        <source>%1 groups: %2</source>
        <translation>%1 groups: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n hot spare(s)</source>
        <translation>
            <numerusform>%n hot spare</numerusform>
            <numerusform>%n hot spares</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; filled to %2 %</source>
        <translation>%1; filled to %2 %</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n data drive(s) × %1 × %2 % = %3</source>
        <translation>
            <numerusform>%n data drive × %1 × %2 % = %3</numerusform>
            <numerusform>%n data drives × %1 × %2 % = %3</numerusform>
        </translation>
    </message>
    <message>
        <source>No %1 array of %2 drives holds %3</source>
        <translation>No %1 array of %2 drives holds %3</translation>
    </message>
    <message>
        <source>(the largest, %1 drives, holds %2)</source>
        <translation>(the largest, %1 drives, holds %2)</translation>
    </message>
    <message>
        <source>No %1 array is possible</source>
        <translation>No %1 array is possible</translation>
    </message>
    <message>
        <source>%1 keeps no copy to rebuild onto a hot spare: take none.</source>
        <translation>%1 keeps no copy to rebuild onto a hot spare: take none.</translation>
    </message>
    <message numerus="yes">
        <source>The disk array&apos;s %n hot spare(s) were dropped: %1 keeps no copy to rebuild onto a spare. The drives that hold data are as they were.</source>
        <translation>
            <numerusform>The disk array&apos;s hot spare was dropped: %1 keeps no copy to rebuild onto a spare. The drives that hold data are as they were.</numerusform>
            <numerusform>The disk array&apos;s %n hot spares were dropped: %1 keeps no copy to rebuild onto a spare. The drives that hold data are as they were.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GroupEditDialog</name>
    <message>
        <source>Edit Group</source>
        <translation>Edit Group</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Dual stream</source>
        <translation>Dual stream</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Constant</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>Lit</source>
        <translation>Lit</translation>
    </message>
    <message>
        <source>Infrared</source>
        <translation>Infrared</translation>
    </message>
    <message>
        <source>Site&apos;s period</source>
        <translation>Site&apos;s period</translation>
    </message>
    <message>
        <source>As the main stream</source>
        <translation>As the main stream</translation>
    </message>
    <message>
        <source>Enter an event share from %1 to %2 %.</source>
        <translation>Enter an event share from %1 to %2 %.</translation>
    </message>
    <message>
        <source>Enter the days to keep the group from %1 to %2, or leave them empty for the site&apos;s period.</source>
        <translation>Enter the days to keep the group from %1 to %2, or leave them empty for the site&apos;s period.</translation>
    </message>
    <message>
        <source>Enter the sub-stream&apos;s rate, from 1 to %1 kbps.</source>
        <translation>Enter the sub-stream&apos;s rate, from 1 to %1 kbps.</translation>
    </message>
    <message>
        <source>Enter the days to keep the sub-stream from %1 to %2, or leave them empty to keep it as long as the main stream.</source>
        <translation>Enter the days to keep the sub-stream from %1 to %2, or leave them empty to keep it as long as the main stream.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
</context>
<context>
    <name>GroupRecording</name>
    <message>
        <source>GroupRecording</source>
        <translation>GroupRecording</translation>
    </message>
    <message>
        <source>What the group records</source>
        <translation>What the group records</translation>
    </message>
    <message>
        <source>Recording :</source>
        <translation>Recording :</translation>
    </message>
    <message>
        <source>Event share :</source>
        <translation>Event share :</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Sub-stream resolution :</source>
        <translation>Sub-stream resolution :</translation>
    </message>
    <message>
        <source>Sub-stream rate (kbps) :</source>
        <translation>Sub-stream rate (kbps) :</translation>
    </message>
    <message>
        <source>Sub-stream days :</source>
        <translation>Sub-stream days :</translation>
    </message>
    <message>
        <source>Bitrate control :</source>
        <translation>Bitrate control :</translation>
    </message>
    <message>
        <source>Retention days :</source>
        <translation>Retention days :</translation>
    </message>
    <message>
        <source>Scene at night :</source>
        <translation>Scene at night :</translation>
    </message>
    <message>
        <source>Empty days keep the group for the site&apos;s period; an empty sub-stream keeps it as long as the main stream.</source>
        <translation>Empty days keep the group for the site&apos;s period; an empty sub-stream keeps it as long as the main stream.</translation>
    </message>
    <message>
        <source>Recorder :</source>
        <translation>Recorder :</translation>
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
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Open Plan</translation>
    </message>
    <message>
        <source>Larkspan plans (*.larkspan);;All files (*)</source>
        <translation>Larkspan plans (*.larkspan);;All files (*)</translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; could not be opened.</source>
        <translation>The plan &quot;%1&quot; could not be opened.</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Save Plan</translation>
    </message>
    <message>
        <source>Larkspan plans (*.larkspan)</source>
        <translation>Larkspan plans (*.larkspan)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Export Report</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>The language changes when Larkspan starts again.</source>
        <translation>The language changes when Larkspan starts again.</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>Report saved to %1</translation>
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
    <message>
        <source>Delete group %1</source>
        <translation>Delete group %1</translation>
    </message>
    <message>
        <source>Edit group %1</source>
        <translation>Edit group %1</translation>
    </message>
</context>
<context>
    <name>PlanMenu</name>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Recent Plans</source>
        <translation>Recent Plans</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>Export Report...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>High Contrast</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Text Size</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>PlanReport</name>
    <message>
        <source>day(s)</source>
        <translation>day(s)</translation>
    </message>
    <message>
        <source>week(s)</source>
        <translation>week(s)</translation>
    </message>
    <message>
        <source>month(s)</source>
        <translation>month(s)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Rate mode</source>
        <translation>Rate mode</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encoding</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scene</translation>
    </message>
    <message>
        <source>kbps per channel</source>
        <translation>kbps per channel</translation>
    </message>
    <message>
        <source>Group Mbps</source>
        <translation>Group Mbps</translation>
    </message>
    <message>
        <source>GB per day (%1 h)</source>
        <translation>GB per day (%1 h)</translation>
    </message>
    <message>
        <source>Fixed rate</source>
        <translation>Fixed rate</translation>
    </message>
    <message>
        <source>Recommended rate</source>
        <translation>Recommended rate</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
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
        <source>Site total: %1 channels, %2 Mbps, %3 GB per day at %4 h per day.</source>
        <translation>Site total: %1 channels, %2 Mbps, %3 GB per day at %4 h per day.</translation>
    </message>
    <message>
        <source>A disk of %1 %2, recording %3 h per day, holds %4 day(s), that is %5 week(s) or %6 month(s).</source>
        <translation>A disk of %1 %2, recording %3 h per day, holds %4 day(s), that is %5 week(s) or %6 month(s).</translation>
    </message>
    <message>
        <source>Recording %1 %2 at %3 h per day (%4 hours) needs a disk of %5 %6.</source>
        <translation>Recording %1 %2 at %3 h per day (%4 hours) needs a disk of %5 %6.</translation>
    </message>
    <message>
        <source>Sizes are decimal: 1 TB = 1000 GB, 1 GB = 1000 MB. Every size includes a reserve of 0.3 % (x 1/0.997) and a size factor of 2.4 % (x 1.024); a week is 7 days, a month 30 days.</source>
        <translation>Sizes are decimal: 1 TB = 1000 GB, 1 GB = 1000 MB. Every size includes a reserve of 0.3 % (x 1/0.997) and a size factor of 2.4 % (x 1.024); a week is 7 days, a month 30 days.</translation>
    </message>
    <message>
        <source>The disk is an array of %1 %2: %3.</source>
        <translation>The disk is an array of %1 %2: %3.</translation>
    </message>
    <message>
        <source>Drives for it: %1 %2.</source>
        <translation>Drives for it: %1 %2.</translation>
    </message>
    <message>
        <source>h</source>
        <comment>hours</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <translation>Storage plan</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Frame standard</source>
        <translation>Frame standard</translation>
    </message>
    <message>
        <source>Recording time: disk size</source>
        <translation>Recording time: disk size</translation>
    </message>
    <message>
        <source>Recording time: hours per day</source>
        <translation>Recording time: hours per day</translation>
    </message>
    <message>
        <source>Recording time</source>
        <translation>Recording time</translation>
    </message>
    <message>
        <source>Recording time: disk array</source>
        <translation>Recording time: disk array</translation>
    </message>
    <message>
        <source>Disk size: save time</source>
        <translation>Disk size: save time</translation>
    </message>
    <message>
        <source>Disk size: hours per day</source>
        <translation>Disk size: hours per day</translation>
    </message>
    <message>
        <source>Disk size: recording hours</source>
        <translation>Disk size: recording hours</translation>
    </message>
    <message>
        <source>Disk size needed</source>
        <translation>Disk size needed</translation>
    </message>
    <message>
        <source>Disk size: drives</source>
        <translation>Disk size: drives</translation>
    </message>
    <message>
        <source>Conventions</source>
        <translation>Conventions</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Retention</source>
        <translation>Retention</translation>
    </message>
    <message>
        <source>Recorded GB per day (%1 h)</source>
        <translation>Recorded GB per day (%1 h)</translation>
    </message>
    <message>
        <source>Retention (days)</source>
        <translation>Retention (days)</translation>
    </message>
    <message>
        <source>Sub-stream retention (days)</source>
        <translation>Sub-stream retention (days)</translation>
    </message>
    <message>
        <source>GB per day, low (%1 h)</source>
        <translation>GB per day, low (%1 h)</translation>
    </message>
    <message>
        <source>GB per day, expected (%1 h)</source>
        <translation>GB per day, expected (%1 h)</translation>
    </message>
    <message>
        <source>GB per day, high (%1 h)</source>
        <translation>GB per day, high (%1 h)</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) (site)</source>
        <translation>
            <numerusform>%n day (site)</numerusform>
            <numerusform>%n days (site)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; sub-stream %n day(s)</source>
        <translation>
            <numerusform>; sub-stream %n day</numerusform>
            <numerusform>; sub-stream %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Holds</translation>
    </message>
    <message>
        <source>At risk</source>
        <translation>At risk</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Short</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>No channels</translation>
    </message>
    <message>
        <source>%1 · at %2 h per day</source>
        <translation>%1 · at %2 h per day</translation>
    </message>
    <message>
        <source>Every group has days of its own: the %1 disk keeps no other recording.</source>
        <translation>Every group has days of its own: the %1 disk keeps no other recording.</translation>
    </message>
    <message>
        <source>The %1 disk keeps %2 (%3 expected) at %4 h per day.</source>
        <translation>The %1 disk keeps %2 (%3 expected) at %4 h per day.</translation>
    </message>
    <message>
        <source>%1 at %2 h per day need %3 (%4 expected).</source>
        <translation>%1 at %2 h per day need %3 (%4 expected).</translation>
    </message>
    <message numerus="yes">
        <source>Others (%n group(s))</source>
        <translation>
            <numerusform>Others (%n group)</numerusform>
            <numerusform>Others (%n groups)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2 %</source>
        <translation>%1 · %2 %</translation>
    </message>
    <message numerus="yes">
        <source>What each group takes for its retention (its own days, or %n day(s) of the site) at %1 h per day, as a share of the %2 the period needs at the expected figure. A bar shows the expected figure, its whisker the range from low to high.</source>
        <translation>
            <numerusform>What each group takes for its retention (its own days, or %n day of the site) at %1 h per day, as a share of the %2 the period needs at the expected figure. A bar shows the expected figure, its whisker the range from low to high.</numerusform>
            <numerusform>What each group takes for its retention (its own days, or %n days of the site) at %1 h per day, as a share of the %2 the period needs at the expected figure. A bar shows the expected figure, its whisker the range from low to high.</numerusform>
        </translation>
    </message>
    <message>
        <source>The largest %1 groups have a bar each; the other %2 are one bar, &quot;Others&quot;.</source>
        <translation>The largest %1 groups have a bar each; the other %2 are one bar, &quot;Others&quot;.</translation>
    </message>
    <message>
        <source>Site: channels</source>
        <translation>Site: channels</translation>
    </message>
    <message>
        <source>Site: incoming at the busiest hour</source>
        <translation>Site: incoming at the busiest hour</translation>
    </message>
    <message>
        <source>Site: hours per day</source>
        <translation>Site: hours per day</translation>
    </message>
    <message>
        <source>Site: GB per day, low</source>
        <translation>Site: GB per day, low</translation>
    </message>
    <message>
        <source>Site: GB per day, expected</source>
        <translation>Site: GB per day, expected</translation>
    </message>
    <message>
        <source>Site: GB per day, high</source>
        <translation>Site: GB per day, high</translation>
    </message>
    <message>
        <source>Recording time, low</source>
        <translation>Recording time, low</translation>
    </message>
    <message>
        <source>Recording time, expected</source>
        <translation>Recording time, expected</translation>
    </message>
    <message>
        <source>Recording time, high</source>
        <translation>Recording time, high</translation>
    </message>
    <message>
        <source>Disk size needed, low</source>
        <translation>Disk size needed, low</translation>
    </message>
    <message>
        <source>Disk size needed, expected</source>
        <translation>Disk size needed, expected</translation>
    </message>
    <message>
        <source>Disk size needed, high</source>
        <translation>Disk size needed, high</translation>
    </message>
    <message>
        <source>Retention verdict</source>
        <translation>Retention verdict</translation>
    </message>
    <message>
        <source>Every recorder keeps its period even at the high bound, within its limits.</source>
        <translation>Every recorder keeps its period even at the high bound, within its limits.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 recorder(s) fall short or break a limit: %2.</source>
        <translation>
            <numerusform>%n of %1 recorder fall short or break a limit: %2.</numerusform>
            <numerusform>%n of %1 recorders fall short or break a limit: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>limits of its own</source>
        <translation>limits of its own</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels · %2 Mbps incoming · %n bay(s) · drives up to %3</source>
        <translation>
            <numerusform>%1 channels · %2 Mbps incoming · %n bay · drives up to %3</numerusform>
            <numerusform>%1 channels · %2 Mbps incoming · %n bays · drives up to %3</numerusform>
        </translation>
    </message>
    <message>
        <source>uplink %1 Mbps</source>
        <translation>uplink %1 Mbps</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 usable</source>
        <translation>%1: %2 usable</translation>
    </message>
    <message>
        <source>Nothing to keep (no groups, drives or period)</source>
        <translation>Nothing to keep (no groups, drives or period)</translation>
    </message>
    <message>
        <source>Recorder: channels</source>
        <translation>Recorder: channels</translation>
    </message>
    <message>
        <source>Recorder: incoming at the busiest hour</source>
        <translation>Recorder: incoming at the busiest hour</translation>
    </message>
    <message>
        <source>Recorder: bays</source>
        <translation>Recorder: bays</translation>
    </message>
    <message>
        <source>Recorder: array capacity</source>
        <translation>Recorder: array capacity</translation>
    </message>
    <message>
        <source>Recorder: retention verdict</source>
        <translation>Recorder: retention verdict</translation>
    </message>
    <message>
        <source>Recorder: over a limit</source>
        <translation>Recorder: over a limit</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Recorder</translation>
    </message>
</context>
<context>
    <name>PlanReportDocument</name>
    <message>
        <source>Storage plan: %1</source>
        <translation>Storage plan: %1</translation>
    </message>
    <message>
        <source>Date: %1    Frame standard: %2</source>
        <translation>Date: %1    Frame standard: %2</translation>
    </message>
    <message>
        <source>Recording time</source>
        <translation>Recording time</translation>
    </message>
    <message>
        <source>Disk size</source>
        <translation>Disk size</translation>
    </message>
    <message>
        <source>A report is written as PDF (.pdf) or CSV (.csv).</source>
        <translation>A report is written as PDF (.pdf) or CSV (.csv).</translation>
    </message>
    <message>
        <source>The report could not be written as &quot;%1&quot; in the folder &quot;%2&quot;: %3</source>
        <translation>The report could not be written as &quot;%1&quot; in the folder &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Storage by group</source>
        <translation>Storage by group</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Retention</source>
        <translation>Retention</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Drives</translation>
    </message>
    <message>
        <source>Over a limit</source>
        <translation>Over a limit</translation>
    </message>
</context>
<context>
    <name>RecorderBar</name>
    <message>
        <source>Add a recorder, or spread the groups over recorders</source>
        <translation>Add a recorder, or spread the groups over recorders</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>Recorders</translation>
    </message>
    <message>
        <source>Add recorder…</source>
        <translation>Add recorder…</translation>
    </message>
    <message>
        <source>Spread groups…</source>
        <translation>Spread groups…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Edit recorder…</source>
        <translation>Edit recorder…</translation>
    </message>
    <message>
        <source>Delete recorder…</source>
        <translation>Delete recorder…</translation>
    </message>
</context>
<context>
    <name>RecorderDialog</name>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Profile :</source>
        <translation>Profile :</translation>
    </message>
    <message>
        <source>Channels :</source>
        <translation>Channels :</translation>
    </message>
    <message>
        <source>Incoming bandwidth :</source>
        <translation>Incoming bandwidth :</translation>
    </message>
    <message>
        <source> Mbps</source>
        <translation> Mbps</translation>
    </message>
    <message>
        <source>Drive bays :</source>
        <translation>Drive bays :</translation>
    </message>
    <message>
        <source>Largest drive :</source>
        <translation>Largest drive :</translation>
    </message>
    <message>
        <source> TB</source>
        <translation> TB</translation>
    </message>
    <message>
        <source>Camera uplink :</source>
        <translation>Camera uplink :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Drives :</source>
        <translation>Drives :</translation>
    </message>
    <message>
        <source>Disk array...</source>
        <translation>Disk array...</translation>
    </message>
    <message>
        <source>Keep these limits as a profile</source>
        <translation>Keep these limits as a profile</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Limits of its own</source>
        <translation>Limits of its own</translation>
    </message>
    <message>
        <source>No drives that make an array</source>
        <translation>No drives that make an array</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Profile not kept</source>
        <translation>Profile not kept</translation>
    </message>
</context>
<context>
    <name>RecorderProfileFile</name>
    <message>
        <source>A profile needs a name.</source>
        <translation>A profile needs a name.</translation>
    </message>
    <message>
        <source>A profile&apos;s name may not hold a comma or a double quote.</source>
        <translation>A profile&apos;s name may not hold a comma or a double quote.</translation>
    </message>
    <message>
        <source>A profile&apos;s name is at most %1 characters.</source>
        <translation>A profile&apos;s name is at most %1 characters.</translation>
    </message>
    <message>
        <source>A profile&apos;s name may not hold a control character or a broken character.</source>
        <translation>A profile&apos;s name may not hold a control character or a broken character.</translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;.</source>
        <translation>There is already a profile named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The recorder profiles are not UTF-8 text.</source>
        <translation>The recorder profiles are not UTF-8 text.</translation>
    </message>
    <message>
        <source>Line %1: a profile has %2 fields, not %3.</source>
        <translation>Line %1: a profile has %2 fields, not %3.</translation>
    </message>
    <message>
        <source>Line %1: more than %2 profiles.</source>
        <translation>Line %1: more than %2 profiles.</translation>
    </message>
    <message>
        <source>the channels are not a whole number from 1 to %1.</source>
        <translation>the channels are not a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>the incoming Mbps are not a whole number from 1 to %1.</source>
        <translation>the incoming Mbps are not a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>the drive bays are not a whole number from 1 to %1.</source>
        <translation>the drive bays are not a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>the largest drive is not a size from 0.001 to %1 TB with at most three decimals.</source>
        <translation>the largest drive is not a size from 0.001 to %1 TB with at most three decimals.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>The recorder profiles are larger than %1 MB.</source>
        <translation>The recorder profiles are larger than %1 MB.</translation>
    </message>
    <message>
        <source>There is no folder to keep your own profiles in.</source>
        <translation>There is no folder to keep your own profiles in.</translation>
    </message>
</context>
<context>
    <name>RecorderText</name>
    <message>
        <source>%1: nothing to keep (no groups, drives or period)</source>
        <translation>%1: nothing to keep (no groups, drives or period)</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>NVR-%1</source>
        <translation>NVR-%1</translation>
    </message>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 of %3 channels</translation>
    </message>
    <message>
        <source>%1: %2 of %3 Mbps</source>
        <translation>%1: %2 of %3 Mbps</translation>
    </message>
    <message>
        <source>%1: %2 drives, a bay takes at most %3</source>
        <translation>%1: %2 drives, a bay takes at most %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: needs %n drive(s), has %2 bays</source>
        <translation>
            <numerusform>%1: needs %n drive, has %2 bays</numerusform>
            <numerusform>%1: needs %n drives, has %2 bays</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: uplink %2 % rule: %3 of %4 Mbps</source>
        <translation>%1: uplink %2 % rule: %3 of %4 Mbps</translation>
    </message>
    <message>
        <source>%1 / %2 channels · %3 / %4 Mbps · %5 / %6 bays</source>
        <translation>%1 / %2 channels · %3 / %4 Mbps · %5 / %6 bays</translation>
    </message>
</context>
<context>
    <name>RetentionText</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%2%3 days</source>
        <translation>%1%2%3 days</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>Events %1 %</source>
        <translation>Events %1 %</translation>
    </message>
    <message>
        <source>Dual stream, events %1 %</source>
        <translation>Dual stream, events %1 %</translation>
    </message>
    <message numerus="yes">
        <source>Holds %n day(s)</source>
        <translation>
            <numerusform>Holds %n day</numerusform>
            <numerusform>Holds %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>Holds every group for its own days</source>
        <translation>Holds every group for its own days</translation>
    </message>
    <message numerus="yes">
        <source>Holds %n day(s) even at the high bound, %1 to spare</source>
        <translation>
            <numerusform>Holds %n day even at the high bound, %1 to spare</numerusform>
            <numerusform>Holds %n days even at the high bound, %1 to spare</numerusform>
        </translation>
    </message>
    <message>
        <source>add %1</source>
        <translation>add %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more %1 drive(s) in %2</source>
        <translation>
            <numerusform>%n more %1 drive in %2</numerusform>
            <numerusform>%n more %1 drives in %2</numerusform>
        </translation>
    </message>
    <message>
        <source>at the high bound</source>
        <translation>at the high bound</translation>
    </message>
    <message>
        <source>even at the expected figure</source>
        <translation>even at the expected figure</translation>
    </message>
    <message numerus="yes">
        <source>%1: short of %n day(s) %2 — %3</source>
        <translation>
            <numerusform>%1: short of %n day %2 — %3</numerusform>
            <numerusform>%1: short of %n days %2 — %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Constant rate</source>
        <translation>Constant rate</translation>
    </message>
    <message>
        <source>IR night</source>
        <translation>IR night</translation>
    </message>
    <message>
        <source>Lit night</source>
        <translation>Lit night</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n channel</numerusform>
            <numerusform>%n channels</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Mbps at peak</source>
        <translation>%1 Mbps at peak</translation>
    </message>
    <message>
        <source>%1 TB/day</source>
        <translation>%1 TB/day</translation>
    </message>
    <message>
        <source>%1 GB/day</source>
        <translation>%1 GB/day</translation>
    </message>
    <message numerus="yes">
        <source>Compares the disk array of &quot;Calculate Time&quot; (%1) with the period of &quot;Calculate Size&quot; (%n day(s)), at %2 h of recording a day.</source>
        <translation>
            <numerusform>Compares the disk array of &quot;Calculate Time&quot; (%1) with the period of &quot;Calculate Size&quot; (%n day), at %2 h of recording a day.</numerusform>
            <numerusform>Compares the disk array of &quot;Calculate Time&quot; (%1) with the period of &quot;Calculate Size&quot; (%n days), at %2 h of recording a day.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Compares the disk of &quot;Calculate Time&quot; (%1) with the period of &quot;Calculate Size&quot; (%n day(s)), at %2 h of recording a day.</source>
        <translation>
            <numerusform>Compares the disk of &quot;Calculate Time&quot; (%1) with the period of &quot;Calculate Size&quot; (%n day), at %2 h of recording a day.</numerusform>
            <numerusform>Compares the disk of &quot;Calculate Time&quot; (%1) with the period of &quot;Calculate Size&quot; (%n days), at %2 h of recording a day.</numerusform>
        </translation>
    </message>
    <message>
        <source>What the cameras write is an estimate: low for quiet scenes, expected as the bitrate tables give it (the figure of the results), high for busy scenes, night under infrared and an encoding that saves less in the field. Constant-rate groups write exactly their rate.</source>
        <translation>What the cameras write is an estimate: low for quiet scenes, expected as the bitrate tables give it (the figure of the results), high for busy scenes, night under infrared and an encoding that saves less in the field. Constant-rate groups write exactly their rate.</translation>
    </message>
    <message>
        <source>Green: the disk keeps the period even at the high bound. Amber: it keeps it at the expected figure only. Red: it is short even at the expected figure.</source>
        <translation>Green: the disk keeps the period even at the high bound. Amber: it keeps it at the expected figure only. Red: it is short even at the expected figure.</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save Changes</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; has changes that are not saved. Save them first?</source>
        <translation>The plan &quot;%1&quot; has changes that are not saved. Save them first?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Don&apos;t Save</translation>
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
    <name>SceneNames</name>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Hospital</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Office</translation>
    </message>
    <message>
        <source>Parking Lot</source>
        <translation>Parking Lot</translation>
    </message>
    <message>
        <source>School</source>
        <translation>School</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>Supermarket</source>
        <translation>Supermarket</translation>
    </message>
    <message>
        <source>Warehouse</source>
        <translation>Warehouse</translation>
    </message>
</context>
<context>
    <name>SitePlanFile</name>
    <message>
        <source>%1: &quot;%2&quot; is not text.</source>
        <translation>%1: &quot;%2&quot; is not text.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4.</source>
        <translation>%1: &quot;%2&quot; is not a whole number from %3 to %4.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from 0 to %3.</source>
        <translation>%1: &quot;%2&quot; is not a number from 0 to %3.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is &quot;%3&quot;, which is none of %4.</source>
        <translation>%1: &quot;%2&quot; is &quot;%3&quot;, which is none of %4.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing.</source>
        <translation>%1: &quot;%2&quot; is missing.</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Group %1</translation>
    </message>
    <message>
        <source>%1 is not a group.</source>
        <translation>%1 is not a group.</translation>
    </message>
    <message>
        <source>%1: a recommended rate names no scene.</source>
        <translation>%1: a recommended rate names no scene.</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>The calculation inputs are missing.</source>
        <translation>The calculation inputs are missing.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>The file is too large for a plan (more than %1 MB).</source>
        <translation>The file is too large for a plan (more than %1 MB).</translation>
    </message>
    <message>
        <source>The plan is damaged or cut short: %1 at character %2.</source>
        <translation>The plan is damaged or cut short: %1 at character %2.</translation>
    </message>
    <message>
        <source>The file is not a Larkspan plan.</source>
        <translation>The file is not a Larkspan plan.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>The plan was saved by a newer Larkspan (plan version %1); this version opens plans up to version %2.</source>
        <translation>The plan was saved by a newer Larkspan (plan version %1); this version opens plans up to version %2.</translation>
    </message>
    <message>
        <source>The plan has no list of groups.</source>
        <translation>The plan has no list of groups.</translation>
    </message>
    <message>
        <source>The plan holds %1 groups; a plan holds at most %2.</source>
        <translation>The plan holds %1 groups; a plan holds at most %2.</translation>
    </message>
    <message>
        <source>Group %1: group number %2 is used twice.</source>
        <translation>Group %1: group number %2 is used twice.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a plan.</source>
        <translation>&quot;%1&quot; is a folder, not a plan.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>&quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>&quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>The disk array is not a section of values.</source>
        <translation>The disk array is not a section of values.</translation>
    </message>
    <message>
        <source>Disk array</source>
        <translation>Disk array</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than %3 characters.</source>
        <translation>%1: &quot;%2&quot; is longer than %3 characters.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds a control character.</source>
        <translation>%1: &quot;%2&quot; holds a control character.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds a broken character (half of a surrogate pair).</source>
        <translation>%1: &quot;%2&quot; holds a broken character (half of a surrogate pair).</translation>
    </message>
    <message>
        <source>%1: identity %2 is used twice.</source>
        <translation>%1: identity %2 is used twice.</translation>
    </message>
    <message>
        <source>%1: &quot;diskSize&quot; is not a whole number of GB.</source>
        <translation>%1: &quot;diskSize&quot; is not a whole number of GB.</translation>
    </message>
    <message>
        <source>%1: &quot;diskSize&quot; has more than three decimals of a TB.</source>
        <translation>%1: &quot;diskSize&quot; has more than three decimals of a TB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plan but a pipe, a device or a socket.</source>
        <translation>&quot;%1&quot; is not a plan but a pipe, a device or a socket.</translation>
    </message>
    <message>
        <source>The plan could not be saved as &quot;%1&quot; in the folder &quot;%2&quot;: %3</source>
        <translation>The plan could not be saved as &quot;%1&quot; in the folder &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>Group %1, recording</source>
        <translation>Group %1, recording</translation>
    </message>
    <message>
        <source>%1 is not a section of values.</source>
        <translation>%1 is not a section of values.</translation>
    </message>
    <message>
        <source>The plan&apos;s recorders are not a list.</source>
        <translation>The plan&apos;s recorders are not a list.</translation>
    </message>
    <message>
        <source>The plan holds %1 recorders; a plan holds at most %2.</source>
        <translation>The plan holds %1 recorders; a plan holds at most %2.</translation>
    </message>
    <message>
        <source>Recorder %1</source>
        <translation>Recorder %1</translation>
    </message>
    <message>
        <source>%1: &quot;name&quot; is empty.</source>
        <translation>%1: &quot;name&quot; is empty.</translation>
    </message>
    <message>
        <source>%1, disk array</source>
        <translation>%1, disk array</translation>
    </message>
    <message>
        <source>%1: &quot;recorder&quot; names a recorder, but the plan has none.</source>
        <translation>%1: &quot;recorder&quot; names a recorder, but the plan has none.</translation>
    </message>
    <message>
        <source>%1: &quot;recorder&quot; is %2, which is no recorder of the plan.</source>
        <translation>%1: &quot;recorder&quot; is %2, which is no recorder of the plan.</translation>
    </message>
</context>
<context>
    <name>SiteRecorders</name>
    <message>
        <source>Delete recorder</source>
        <translation>Delete recorder</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete %1? The site is one disk again, holding every group.</source>
        <translation>Delete %1? The site is one disk again, holding every group.</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Delete %1?</translation>
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
    <message>
        <source>The range of the disk needed: from the least the cameras may write to the most. The large figure is the expected one, or the high bound with &quot;Guaranteed retention&quot;.</source>
        <translation>The range of the disk needed: from the least the cameras may write to the most. The large figure is the expected one, or the high bound with &quot;Guaranteed retention&quot;.</translation>
    </message>
</context>
<context>
    <name>SpreadDialog</name>
    <message>
        <source>Recorders of the profile :</source>
        <translation>Recorders of the profile :</translation>
    </message>
    <message>
        <source>Spread groups</source>
        <translation>Spread groups</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>There are no recorder profiles to spread the groups over.</source>
        <translation>There are no recorder profiles to spread the groups over.</translation>
    </message>
    <message numerus="yes">
        <source>%n recorder(s) of &quot;%1&quot; hold every group within their limits, keeping %2 at the high bound.</source>
        <translation>
            <numerusform>%n recorder of &quot;%1&quot; hold every group within their limits, keeping %2 at the high bound.</numerusform>
            <numerusform>%n recorders of &quot;%1&quot; hold every group within their limits, keeping %2 at the high bound.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is larger than one recorder: it is split by channels.</source>
        <translation>%1 is larger than one recorder: it is split by channels.</translation>
    </message>
    <message>
        <source>%1 is too large for any recorder of this profile, even one channel: it gets a recorder of its own, which breaks its limits.</source>
        <translation>%1 is too large for any recorder of this profile, even one channel: it gets a recorder of its own, which breaks its limits.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n channel(s)</source>
        <translation>
            <numerusform>%1: %n channel</numerusform>
            <numerusform>%1: %n channels</numerusform>
        </translation>
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
    <message>
        <source>Export Scene Table</source>
        <translation>Export Scene Table</translation>
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
