<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Larkspan</source>
        <translation>Larkspan</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>用户帮助</translation>
    </message>
    <message>
        <source>Update Scence</source>
        <translation>更新场景</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation>未找到用户手册。</translation>
    </message>
    <message>
        <source>v%1build</source>
        <translation>v%1build</translation>
    </message>
    <message>
        <source>No program could open the user manual. It is here:
%1</source>
        <translation>没有程序能打开用户手册。手册位于：
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
        <translation>容量计算：</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more limit(s) broken</source>
        <translation>
            <numerusform>%1，另有 %n 项超限</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLineTexts</name>
    <message>
        <source>Storage planner for video-surveillance installations.</source>
        <translation>视频监控工程存储规划工具。</translation>
    </message>
    <message>
        <source>Write the report of &lt;plan&gt; without a window.</source>
        <translation>不打开窗口，直接生成 &lt;plan&gt; 的报告。</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>The report&apos;s file: .pdf or .csv.</source>
        <translation>报告文件：.pdf 或 .csv。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>A plan (.larkspan) to open.</source>
        <translation>要打开的方案（.larkspan）。</translation>
    </message>
    <message>
        <source>--report needs a plan and -o with the report&apos;s file, and nothing else.</source>
        <translation>--report 需要一个方案文件，并用 -o 指定报告文件，不能带其他参数。</translation>
    </message>
    <message>
        <source>-o names the file of a --report.</source>
        <translation>-o 只用于指定 --report 的报告文件。</translation>
    </message>
    <message>
        <source>Only one plan can be opened at a time.</source>
        <translation>一次只能打开一个方案。</translation>
    </message>
    <message>
        <source>larkspan: %1: %2</source>
        <translation>larkspan：%1：%2</translation>
    </message>
    <message>
        <source>larkspan: %1</source>
        <translation>larkspan：%1</translation>
    </message>
    <message>
        <source>Print whether every recorder of &lt;plan&gt; keeps its period within its limits, without a window.</source>
        <translation>不打开窗口，输出 &lt;plan&gt; 中每台录像机能否在其限制内保存整个保存期。</translation>
    </message>
    <message>
        <source>--check needs a plan and nothing else.</source>
        <translation>--check 只需要一个方案，不能有其他参数。</translation>
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
        <translation>磁盘容量：</translation>
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
        <translation>每天录像时长：</translation>
    </message>
    <message>
        <source>h</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>set save time:</source>
        <translation>录像保存时间：</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>天</translation>
    </message>
    <message>
        <source>WEEK</source>
        <translation>周</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>月</translation>
    </message>
    <message>
        <source>record time each day :</source>
        <translation>每天录像时长：</translation>
    </message>
    <message>
        <source>Calculate Time</source>
        <translation>计算录像时间</translation>
    </message>
    <message>
        <source>Calculate Size</source>
        <translation>计算磁盘容量</translation>
    </message>
    <message>
        <source>Work out the disk size from the drives of a disk array</source>
        <translation>根据磁盘阵列的硬盘算出磁盘容量</translation>
    </message>
    <message>
        <source>Disk array...</source>
        <translation>磁盘阵列...</translation>
    </message>
    <message>
        <source>The drives that hold this size; click to change the drive size, level, hot spares or fill limit</source>
        <translation>存下此容量所需的硬盘；点击可修改单盘容量、RAID 级别、热备盘或使用上限</translation>
    </message>
    <message>
        <source>Sizes the disk for the most the cameras may write (the high bound of the range), so that the period is kept whatever the scenes and nights do. Off: the expected figure of the bitrate tables.</source>
        <translation>按摄像机可能写入的最大量（范围的上限）计算硬盘容量，无论场景和夜间如何都能保存整个保存期。不勾选时按码率表的预期值计算。</translation>
    </message>
    <message>
        <source>Guaranteed retention</source>
        <translation>保证保留期</translation>
    </message>
    <message>
        <source>A recorder&apos;s disk is its drives: set them with &quot;Disk array...&quot;.</source>
        <translation>录像机的磁盘就是它的硬盘：请用“磁盘阵列...”设置。</translation>
    </message>
    <message>
        <source>Recording hours per day</source>
        <translation>每天录像小时数</translation>
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
        <translation>可保存录像：</translation>
    </message>
    <message>
        <source>By Day</source>
        <translation>按天</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:60pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;天&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:60pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;天&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>天</translation>
    </message>
    <message>
        <source>By Week</source>
        <translation>按周</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;周&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;周&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>周</translation>
    </message>
    <message>
        <source>By Month</source>
        <translation>按月</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;月&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;月&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>月</translation>
    </message>
    <message>
        <source>The range of the recording time: from the most the cameras may write to the least. The large figure is the expected one.</source>
        <translation>录像时间的范围：从摄像机写入最多到写入最少。大号数字为预期值。</translation>
    </message>
    <message>
        <source>more than %1 %2</source>
        <translation>超过 %1 %2</translation>
    </message>
</context>
<context>
    <name>DeleteRecorder</name>
    <message>
        <source>Its groups move to :</source>
        <translation>其通道组移到：</translation>
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
        <translation>清空</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation>确定清空所有通道吗？</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>移动到</translation>
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
        <translation>添加设备</translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation>通道名称：</translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation>通道数：</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <source>Encode Section :        </source>
        <translation>码率方式：</translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <translation>固定码率</translation>
    </message>
    <message>
        <source>VarRate</source>
        <translation>推荐码率</translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate :     </source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>编码类型：</translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation>建议码率：</translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation>+ 添加</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>通道名称</translation>
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
        <translation>该设备的码率未知，未能添加。导入场景数据后，请先重启软件。</translation>
    </message>
    <message>
        <source>There is no frame rate to choose (Frame.xml), so the device was not added.</source>
        <translation>没有可选的帧率（Frame.xml），未能添加设备。</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Enter a channel count of at least 1.</source>
        <translation>请输入至少为 1 的通道数。</translation>
    </message>
    <message>
        <source>The rate of this group is unknown, so it was not saved. After a scene import, restart the software first.</source>
        <translation>此通道组的码率未知，因此未保存。导入场景后，请先重新启动软件。</translation>
    </message>
    <message>
        <source>There is no frame rate to choose (Frame.xml), so the group was not saved.</source>
        <translation>没有可选的帧率（Frame.xml），因此未保存通道组。</translation>
    </message>
    <message>
        <source>Choose &quot;All&quot; to switch the frame standard of the site.</source>
        <translation>请选择“全部”后再切换站点的制式。</translation>
    </message>
    <message>
        <source>Show or hide the device editor</source>
        <translation>显示或隐藏设备编辑区</translation>
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
        <translation>路数：</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <translation>码率：</translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation>编码：</translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation>场景：</translation>
    </message>
    <message>
        <source>Edit group</source>
        <translation>编辑通道组</translation>
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
        <translation>硬盘总数：</translation>
    </message>
    <message>
        <source>Drive size :</source>
        <translation>单盘容量：</translation>
    </message>
    <message>
        <source>Level :</source>
        <translation>RAID 级别：</translation>
    </message>
    <message>
        <source>Groups :</source>
        <translation>分组数：</translation>
    </message>
    <message>
        <source>Hot spares :</source>
        <translation>热备盘：</translation>
    </message>
    <message>
        <source>Fill limit :</source>
        <translation>使用上限：</translation>
    </message>
    <message>
        <source>Disk array</source>
        <translation>磁盘阵列</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Usable capacity :</source>
        <translation>可用容量：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>These drives make no array: see the reasons above.</source>
        <translation>这些硬盘组不成阵列：原因见上方。</translation>
    </message>
    <message>
        <source>&quot;Use&quot; sets the disk size to %1 %2.</source>
        <translation>点击“使用”将磁盘容量设为 %1 %2。</translation>
    </message>
    <message>
        <source>Rounded down to a whole GB: the field takes whole numbers.</source>
        <translation>已向下取整到整 GB：容量栏只接受整数。</translation>
    </message>
    <message>
        <source>Drives for %1 :</source>
        <translation>存储 %1 所需硬盘：</translation>
    </message>
    <message>
        <source>&quot;Apply&quot; keeps these inputs for the drives shown under the size.</source>
        <translation>点击“应用”后，容量结果下方的硬盘数按这些参数计算。</translation>
    </message>
    <message>
        <source>Rounded down to a whole GB: the field takes three decimals of a TB.</source>
        <translation>已向下取整到整 GB：容量栏的 TB 数最多三位小数。</translation>
    </message>
</context>
<context>
    <name>DiskArrayText</name>
    <message>
        <source>Single drives (JBOD)</source>
        <translation>单盘 (JBOD)</translation>
    </message>
    <message>
        <source>An array takes at least one drive.</source>
        <translation>阵列至少需要 1 块硬盘。</translation>
    </message>
    <message>
        <source>At most %1 drives, hot spares included.</source>
        <translation>最多 %1 块硬盘（含热备盘）。</translation>
    </message>
    <message>
        <source>%1 takes at least %2 drives in each of %3 groups: %4 besides the hot spares.</source>
        <translation>%1 的 %3 个分组每组至少 %2 块硬盘：除热备盘外共需 %4 块。</translation>
    </message>
    <message>
        <source>%1 takes at least %2 drives besides the hot spares.</source>
        <translation>%1 除热备盘外至少需要 %2 块硬盘。</translation>
    </message>
    <message>
        <source>A %1 set takes at most %2 drives: choose %3 for more.</source>
        <translation>一个 %1 阵列最多 %2 块硬盘：硬盘更多时请选 %3。</translation>
    </message>
    <message>
        <source>RAID 1 mirrors a pair: 2 drives besides the hot spares (RAID 10 mirrors more).</source>
        <translation>RAID 1 为一对镜像：除热备盘外须为 2 块硬盘（更多硬盘请选 RAID 10）。</translation>
    </message>
    <message>
        <source>RAID 10 mirrors pairs: an even number of drives besides the hot spares.</source>
        <translation>RAID 10 成对镜像：除热备盘外硬盘数须为偶数。</translation>
    </message>
    <message>
        <source>Enter the size of one drive, above 0 TB.</source>
        <translation>请输入单盘容量，须大于 0 TB。</translation>
    </message>
    <message>
        <source>At most %1 a drive.</source>
        <translation>单盘最大 %1。</translation>
    </message>
    <message>
        <source>From %1 to %2 groups.</source>
        <translation>分组数为 %1 到 %2。</translation>
    </message>
    <message>
        <source>%1 drives besides the hot spares do not split into %2 equal groups.</source>
        <translation>除热备盘外的 %1 块硬盘无法平均分成 %2 组。</translation>
    </message>
    <message>
        <source>Fewer hot spares than drives: the array needs drives of its own.</source>
        <translation>热备盘须少于硬盘总数：阵列本身也需要硬盘。</translation>
    </message>
    <message>
        <source>From 1 to 100 %.</source>
        <translation>范围为 1% 到 100%。</translation>
    </message>
    <message>
        <source>%1 × %2 as single drives</source>
        <translation>%1 × %2 单盘</translation>
    </message>
    <message>
        <source>%1 × %2 in %3</source>
        <translation>%1 × %2，%3</translation>
    </message>
    <message>
        <source>%1 data</source>
        <translation>%1 块数据盘</translation>
    </message>
    <message>
        <source>%1 mirror</source>
        <translation>%1 块镜像盘</translation>
    </message>
    <message>
        <source>%1 parity</source>
        <translation>%1 块校验盘</translation>
    </message>
    <message>
        <source>%1 groups: %2</source>
        <translation>%1 组：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n hot spare(s)</source>
        <translation>
            <numerusform>%n 块热备盘</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; filled to %2 %</source>
        <translation>%1；使用上限 %2%</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>（%1）</translation>
    </message>
    <message numerus="yes">
        <source>%n data drive(s) × %1 × %2 % = %3</source>
        <translation>
            <numerusform>%n 块数据盘 × %1 × %2% = %3</numerusform>
        </translation>
    </message>
    <message>
        <source>No %1 array of %2 drives holds %3</source>
        <translation>%2 硬盘组成的 %1 阵列存不下 %3</translation>
    </message>
    <message>
        <source>(the largest, %1 drives, holds %2)</source>
        <translation>（最大 %1 块硬盘，可存 %2）</translation>
    </message>
    <message>
        <source>No %1 array is possible</source>
        <translation>无法组成 %1 阵列</translation>
    </message>
    <message>
        <source>%1 keeps no copy to rebuild onto a hot spare: take none.</source>
        <translation>%1 没有可重建到热备盘的副本：请不设热备盘。</translation>
    </message>
    <message numerus="yes">
        <source>The disk array&apos;s %n hot spare(s) were dropped: %1 keeps no copy to rebuild onto a spare. The drives that hold data are as they were.</source>
        <translation>
            <numerusform>已去掉磁盘阵列的 %n 块热备盘：%1 没有可重建到热备盘的副本。存数据的硬盘保持不变。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GroupEditDialog</name>
    <message>
        <source>Edit Group</source>
        <translation>编辑通道组</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>连续录像</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件录像</translation>
    </message>
    <message>
        <source>Dual stream</source>
        <translation>双码流</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>可变</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>恒定</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>未设置</translation>
    </message>
    <message>
        <source>Lit</source>
        <translation>有照明</translation>
    </message>
    <message>
        <source>Infrared</source>
        <translation>红外</translation>
    </message>
    <message>
        <source>Site&apos;s period</source>
        <translation>站点保存期</translation>
    </message>
    <message>
        <source>As the main stream</source>
        <translation>同主码流</translation>
    </message>
    <message>
        <source>Enter an event share from %1 to %2 %.</source>
        <translation>请输入 %1 到 %2 % 的事件占比。</translation>
    </message>
    <message>
        <source>Enter the days to keep the group from %1 to %2, or leave them empty for the site&apos;s period.</source>
        <translation>请输入 %1 到 %2 天的保存天数，或留空以按站点保存期保存。</translation>
    </message>
    <message>
        <source>Enter the sub-stream&apos;s rate, from 1 to %1 kbps.</source>
        <translation>请输入子码流码率（1 到 %1 kbps）。</translation>
    </message>
    <message>
        <source>Enter the days to keep the sub-stream from %1 to %2, or leave them empty to keep it as long as the main stream.</source>
        <translation>请输入 %1 到 %2 天的子码流保存天数，或留空以与主码流保存同样长的时间。</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
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
        <translation>录像设置</translation>
    </message>
    <message>
        <source>Recording :</source>
        <translation>录像方式：</translation>
    </message>
    <message>
        <source>Event share :</source>
        <translation>事件占比：</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Sub-stream resolution :</source>
        <translation>子码流分辨率：</translation>
    </message>
    <message>
        <source>Sub-stream rate (kbps) :</source>
        <translation>子码流码率（kbps）：</translation>
    </message>
    <message>
        <source>Sub-stream days :</source>
        <translation>子码流保存天数：</translation>
    </message>
    <message>
        <source>Bitrate control :</source>
        <translation>码率控制：</translation>
    </message>
    <message>
        <source>Retention days :</source>
        <translation>保存天数：</translation>
    </message>
    <message>
        <source>Scene at night :</source>
        <translation>夜间场景：</translation>
    </message>
    <message>
        <source>Empty days keep the group for the site&apos;s period; an empty sub-stream keeps it as long as the main stream.</source>
        <translation>保存天数留空则按站点保存期保存；子码流天数留空则与主码流保存同样长的时间。</translation>
    </message>
    <message>
        <source>Recorder :</source>
        <translation>录像机：</translation>
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
        <translation>退出</translation>
    </message>
    <message>
        <source>Exit the Larkspan software?</source>
        <translation>确定退出 Larkspan 软件吗？</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>打开方案</translation>
    </message>
    <message>
        <source>Larkspan plans (*.larkspan);;All files (*)</source>
        <translation>Larkspan 方案 (*.larkspan);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; could not be opened.</source>
        <translation>无法打开方案“%1”。</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>保存方案</translation>
    </message>
    <message>
        <source>Larkspan plans (*.larkspan)</source>
        <translation>Larkspan 方案 (*.larkspan)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV 表格 (*.csv)</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The language changes when Larkspan starts again.</source>
        <translation>重新启动 Larkspan 后，界面语言才会更改。</translation>
    </message>
    <message>
        <source>Report saved to %1</source>
        <translation>报告已保存到 %1</translation>
    </message>
</context>
<context>
    <name>NM_Larkspan::DeviceItemWidget</name>
    <message>
        <source>Counts : %1</source>
        <translation>路数：%1</translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <translation>固定码率：%1 kbps</translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation>帧率：%1</translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation>分辨率：%1</translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation>编码：%1</translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation>推荐码率：%1 kbps</translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation>场景：%1</translation>
    </message>
    <message>
        <source>Delete group %1</source>
        <translation>删除通道组 %1</translation>
    </message>
    <message>
        <source>Edit group %1</source>
        <translation>编辑通道组 %1</translation>
    </message>
</context>
<context>
    <name>PlanMenu</name>
    <message>
        <source>New</source>
        <translation>新建方案</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开方案...</translation>
    </message>
    <message>
        <source>Recent Plans</source>
        <translation>最近的方案</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Export Report...</source>
        <translation>导出报告...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>高对比度</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>PlanReport</name>
    <message>
        <source>day(s)</source>
        <translation>天</translation>
    </message>
    <message>
        <source>week(s)</source>
        <translation>周</translation>
    </message>
    <message>
        <source>month(s)</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>路数</translation>
    </message>
    <message>
        <source>Rate mode</source>
        <translation>码率模式</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>场景</translation>
    </message>
    <message>
        <source>kbps per channel</source>
        <translation>单路码率 (kbps)</translation>
    </message>
    <message>
        <source>Group Mbps</source>
        <translation>本组码率 (Mbps)</translation>
    </message>
    <message>
        <source>GB per day (%1 h)</source>
        <translation>每天 GB（%1 小时）</translation>
    </message>
    <message>
        <source>Fixed rate</source>
        <translation>固定码率</translation>
    </message>
    <message>
        <source>Recommended rate</source>
        <translation>推荐码率</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
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
        <translation>全站合计：%1 路，%2 Mbps，每天录像 %4 小时需 %3 GB。</translation>
    </message>
    <message>
        <source>A disk of %1 %2, recording %3 h per day, holds %4 day(s), that is %5 week(s) or %6 month(s).</source>
        <translation>%1 %2 的硬盘，每天录像 %3 小时，可保存 %4 天，即 %5 周或 %6 个月。</translation>
    </message>
    <message>
        <source>Recording %1 %2 at %3 h per day (%4 hours) needs a disk of %5 %6.</source>
        <translation>录像 %1 %2，每天 %3 小时（共 %4 小时），需要 %5 %6 的硬盘。</translation>
    </message>
    <message>
        <source>Sizes are decimal: 1 TB = 1000 GB, 1 GB = 1000 MB. Every size includes a reserve of 0.3 % (x 1/0.997) and a size factor of 2.4 % (x 1.024); a week is 7 days, a month 30 days.</source>
        <translation>容量按十进制计算：1 TB = 1000 GB，1 GB = 1000 MB。所有容量均含 0.3% 的预留（× 1/0.997）和 2.4% 的容量系数（× 1.024）；一周按 7 天、一个月按 30 天计。</translation>
    </message>
    <message>
        <source>The disk is an array of %1 %2: %3.</source>
        <translation>磁盘为阵列 %1 %2：%3。</translation>
    </message>
    <message>
        <source>Drives for it: %1 %2.</source>
        <translation>所需硬盘：%1 %2。</translation>
    </message>
    <message>
        <source>h</source>
        <comment>hours</comment>
        <translation>小时</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <translation>存储方案</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Frame standard</source>
        <translation>制式</translation>
    </message>
    <message>
        <source>Recording time: disk size</source>
        <translation>录像时间：硬盘容量</translation>
    </message>
    <message>
        <source>Recording time: hours per day</source>
        <translation>录像时间：每天录像小时数</translation>
    </message>
    <message>
        <source>Recording time</source>
        <translation>录像时间</translation>
    </message>
    <message>
        <source>Recording time: disk array</source>
        <translation>录像时间：磁盘阵列</translation>
    </message>
    <message>
        <source>Disk size: save time</source>
        <translation>硬盘容量：录像时长</translation>
    </message>
    <message>
        <source>Disk size: hours per day</source>
        <translation>硬盘容量：每天录像小时数</translation>
    </message>
    <message>
        <source>Disk size: recording hours</source>
        <translation>硬盘容量：录像小时数</translation>
    </message>
    <message>
        <source>Disk size needed</source>
        <translation>所需硬盘容量</translation>
    </message>
    <message>
        <source>Disk size: drives</source>
        <translation>硬盘容量：所需硬盘</translation>
    </message>
    <message>
        <source>Conventions</source>
        <translation>计算约定</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录像方式</translation>
    </message>
    <message>
        <source>Retention</source>
        <translation>保存期</translation>
    </message>
    <message>
        <source>Recorded GB per day (%1 h)</source>
        <translation>实际录像每天 GB（%1 小时）</translation>
    </message>
    <message>
        <source>Retention (days)</source>
        <translation>保存期（天）</translation>
    </message>
    <message>
        <source>Sub-stream retention (days)</source>
        <translation>子码流保存期（天）</translation>
    </message>
    <message>
        <source>GB per day, low (%1 h)</source>
        <translation>每天 GB，低值（%1 小时）</translation>
    </message>
    <message>
        <source>GB per day, expected (%1 h)</source>
        <translation>每天 GB，预期值（%1 小时）</translation>
    </message>
    <message>
        <source>GB per day, high (%1 h)</source>
        <translation>每天 GB，高值（%1 小时）</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) (site)</source>
        <translation>
            <numerusform>%n 天（全站）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; sub-stream %n day(s)</source>
        <translation>
            <numerusform>；子码流 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>满足</translation>
    </message>
    <message>
        <source>At risk</source>
        <translation>有风险</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>不足</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>没有通道</translation>
    </message>
    <message>
        <source>%1 · at %2 h per day</source>
        <translation>%1 · 每天 %2 小时</translation>
    </message>
    <message>
        <source>Every group has days of its own: the %1 disk keeps no other recording.</source>
        <translation>每个通道组都有自己的保存天数：%1 的硬盘不再保存其他录像。</translation>
    </message>
    <message>
        <source>The %1 disk keeps %2 (%3 expected) at %4 h per day.</source>
        <translation>%1 的硬盘在每天 %4 小时下可保存 %2（预期 %3）。</translation>
    </message>
    <message>
        <source>%1 at %2 h per day need %3 (%4 expected).</source>
        <translation>%1、每天 %2 小时需要 %3（预期 %4）。</translation>
    </message>
    <message numerus="yes">
        <source>Others (%n group(s))</source>
        <translation>
            <numerusform>其他（%n 个通道组）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · %2 %</source>
        <translation>%1 · %2%</translation>
    </message>
    <message numerus="yes">
        <source>What each group takes for its retention (its own days, or %n day(s) of the site) at %1 h per day, as a share of the %2 the period needs at the expected figure. A bar shows the expected figure, its whisker the range from low to high.</source>
        <translation>
            <numerusform>每个通道组按其保存期（自己的天数，或全站的 %n 天）在每天 %1 小时下所需的容量，占该时长在预期值下所需 %2 的比例。柱条表示预期值，误差线表示从低值到高值的范围。</numerusform>
        </translation>
    </message>
    <message>
        <source>The largest %1 groups have a bar each; the other %2 are one bar, &quot;Others&quot;.</source>
        <translation>最大的 %1 个通道组各占一条；其余 %2 个合为一条“其他”。</translation>
    </message>
    <message>
        <source>Site: channels</source>
        <translation>全站：路数</translation>
    </message>
    <message>
        <source>Site: incoming at the busiest hour</source>
        <translation>全站：最忙时段接入</translation>
    </message>
    <message>
        <source>Site: hours per day</source>
        <translation>全站：每天录像小时数</translation>
    </message>
    <message>
        <source>Site: GB per day, low</source>
        <translation>全站：每天 GB，低值</translation>
    </message>
    <message>
        <source>Site: GB per day, expected</source>
        <translation>全站：每天 GB，预期值</translation>
    </message>
    <message>
        <source>Site: GB per day, high</source>
        <translation>全站：每天 GB，高值</translation>
    </message>
    <message>
        <source>Recording time, low</source>
        <translation>录像时间，低值</translation>
    </message>
    <message>
        <source>Recording time, expected</source>
        <translation>录像时间，预期值</translation>
    </message>
    <message>
        <source>Recording time, high</source>
        <translation>录像时间，高值</translation>
    </message>
    <message>
        <source>Disk size needed, low</source>
        <translation>所需硬盘容量，低值</translation>
    </message>
    <message>
        <source>Disk size needed, expected</source>
        <translation>所需硬盘容量，预期值</translation>
    </message>
    <message>
        <source>Disk size needed, high</source>
        <translation>所需硬盘容量，高值</translation>
    </message>
    <message>
        <source>Retention verdict</source>
        <translation>保存结论</translation>
    </message>
    <message>
        <source>Every recorder keeps its period even at the high bound, within its limits.</source>
        <translation>每台录像机都在其限制内、按上限保存整个保存期。</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 recorder(s) fall short or break a limit: %2.</source>
        <translation>
            <numerusform>%1 台录像机中有 %n 台不足或超限：%2。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>limits of its own</source>
        <translation>自定义限制</translation>
    </message>
    <message numerus="yes">
        <source>%1 channels · %2 Mbps incoming · %n bay(s) · drives up to %3</source>
        <translation>
            <numerusform>%1 路 · 接入 %2 Mbps · %n 个盘位 · 硬盘最大 %3</numerusform>
        </translation>
    </message>
    <message>
        <source>uplink %1 Mbps</source>
        <translation>上行链路 %1 Mbps</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: %2 usable</source>
        <translation>%1：可用 %2</translation>
    </message>
    <message>
        <source>Nothing to keep (no groups, drives or period)</source>
        <translation>无可保存内容（没有通道组、硬盘或保存时间）</translation>
    </message>
    <message>
        <source>Recorder: channels</source>
        <translation>录像机：路数</translation>
    </message>
    <message>
        <source>Recorder: incoming at the busiest hour</source>
        <translation>录像机：最忙时段接入</translation>
    </message>
    <message>
        <source>Recorder: bays</source>
        <translation>录像机：盘位</translation>
    </message>
    <message>
        <source>Recorder: array capacity</source>
        <translation>录像机：阵列容量</translation>
    </message>
    <message>
        <source>Recorder: retention verdict</source>
        <translation>录像机：保存结论</translation>
    </message>
    <message>
        <source>Recorder: over a limit</source>
        <translation>录像机：超出限制</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>录像机</translation>
    </message>
</context>
<context>
    <name>PlanReportDocument</name>
    <message>
        <source>Storage plan: %1</source>
        <translation>存储方案：%1</translation>
    </message>
    <message>
        <source>Date: %1    Frame standard: %2</source>
        <translation>日期：%1    制式：%2</translation>
    </message>
    <message>
        <source>Recording time</source>
        <translation>录像时间</translation>
    </message>
    <message>
        <source>Disk size</source>
        <translation>硬盘容量</translation>
    </message>
    <message>
        <source>A report is written as PDF (.pdf) or CSV (.csv).</source>
        <translation>报告只能保存为 PDF（.pdf）或 CSV（.csv）。</translation>
    </message>
    <message>
        <source>The report could not be written as &quot;%1&quot; in the folder &quot;%2&quot;: %3</source>
        <translation>无法将报告以“%1”为名写入文件夹“%2”：%3</translation>
    </message>
    <message>
        <source>Storage by group</source>
        <translation>各通道组存储</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>全站</translation>
    </message>
    <message>
        <source>Retention</source>
        <translation>保存期</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>已用</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限制</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>Over a limit</source>
        <translation>超出限制</translation>
    </message>
</context>
<context>
    <name>RecorderBar</name>
    <message>
        <source>Add a recorder, or spread the groups over recorders</source>
        <translation>添加录像机，或把通道组分配到多台录像机</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>录像机</translation>
    </message>
    <message>
        <source>Add recorder…</source>
        <translation>添加录像机…</translation>
    </message>
    <message>
        <source>Spread groups…</source>
        <translation>分配通道组…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Edit recorder…</source>
        <translation>编辑录像机…</translation>
    </message>
    <message>
        <source>Delete recorder…</source>
        <translation>删除录像机…</translation>
    </message>
</context>
<context>
    <name>RecorderDialog</name>
    <message>
        <source>Name :</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Profile :</source>
        <translation>配置：</translation>
    </message>
    <message>
        <source>Channels :</source>
        <translation>通道数：</translation>
    </message>
    <message>
        <source>Incoming bandwidth :</source>
        <translation>接入带宽：</translation>
    </message>
    <message>
        <source> Mbps</source>
        <translation> Mbps</translation>
    </message>
    <message>
        <source>Drive bays :</source>
        <translation>盘位数：</translation>
    </message>
    <message>
        <source>Largest drive :</source>
        <translation>最大硬盘：</translation>
    </message>
    <message>
        <source> TB</source>
        <translation> TB</translation>
    </message>
    <message>
        <source>Camera uplink :</source>
        <translation>摄像机上行链路：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Drives :</source>
        <translation>硬盘：</translation>
    </message>
    <message>
        <source>Disk array...</source>
        <translation>磁盘阵列...</translation>
    </message>
    <message>
        <source>Keep these limits as a profile</source>
        <translation>将这些限制保存为配置</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>录像机</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Limits of its own</source>
        <translation>自定义限制</translation>
    </message>
    <message>
        <source>No drives that make an array</source>
        <translation>没有能组成阵列的硬盘</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Profile not kept</source>
        <translation>未保存配置</translation>
    </message>
</context>
<context>
    <name>RecorderProfileFile</name>
    <message>
        <source>A profile needs a name.</source>
        <translation>配置需要名称。</translation>
    </message>
    <message>
        <source>A profile&apos;s name may not hold a comma or a double quote.</source>
        <translation>配置名称不能包含逗号或双引号。</translation>
    </message>
    <message>
        <source>A profile&apos;s name is at most %1 characters.</source>
        <translation>配置名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>A profile&apos;s name may not hold a control character or a broken character.</source>
        <translation>配置名称不能包含控制字符或损坏的字符。</translation>
    </message>
    <message>
        <source>There is already a profile named &quot;%1&quot;.</source>
        <translation>已有名为“%1”的配置。</translation>
    </message>
    <message>
        <source>The recorder profiles are not UTF-8 text.</source>
        <translation>录像机配置文件不是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>Line %1: a profile has %2 fields, not %3.</source>
        <translation>第 %1 行：配置有 %2 个字段，而不是 %3 个。</translation>
    </message>
    <message>
        <source>Line %1: more than %2 profiles.</source>
        <translation>第 %1 行：配置超过 %2 个。</translation>
    </message>
    <message>
        <source>the channels are not a whole number from 1 to %1.</source>
        <translation>通道数不是 1 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>the incoming Mbps are not a whole number from 1 to %1.</source>
        <translation>接入带宽（Mbps）不是 1 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>the drive bays are not a whole number from 1 to %1.</source>
        <translation>盘位数不是 1 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>the largest drive is not a size from 0.001 to %1 TB with at most three decimals.</source>
        <translation>最大硬盘不是 0.001 到 %1 TB 之间、最多三位小数的容量。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>The recorder profiles are larger than %1 MB.</source>
        <translation>录像机配置文件大于 %1 MB。</translation>
    </message>
    <message>
        <source>There is no folder to keep your own profiles in.</source>
        <translation>没有可保存自定义配置的文件夹。</translation>
    </message>
</context>
<context>
    <name>RecorderText</name>
    <message>
        <source>%1: nothing to keep (no groups, drives or period)</source>
        <translation>%1：无可保存内容（没有通道组、硬盘或保存时间）</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>站点</translation>
    </message>
    <message>
        <source>NVR-%1</source>
        <translation>NVR-%1</translation>
    </message>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1：%2 / %3 路</translation>
    </message>
    <message>
        <source>%1: %2 of %3 Mbps</source>
        <translation>%1：%2 / %3 Mbps</translation>
    </message>
    <message>
        <source>%1: %2 drives, a bay takes at most %3</source>
        <translation>%1：%2 硬盘，盘位最大支持 %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: needs %n drive(s), has %2 bays</source>
        <translation>
            <numerusform>%1：需要 %n 块硬盘，只有 %2 个盘位</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: uplink %2 % rule: %3 of %4 Mbps</source>
        <translation>%1：上行链路 %2% 规则：%3 / %4 Mbps</translation>
    </message>
    <message>
        <source>%1 / %2 channels · %3 / %4 Mbps · %5 / %6 bays</source>
        <translation>%1 / %2 路 · %3 / %4 Mbps · %5 / %6 盘位</translation>
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
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%2%3 days</source>
        <translation>%1%2%3 天</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>连续录像</translation>
    </message>
    <message>
        <source>Events %1 %</source>
        <translation>事件录像 %1%</translation>
    </message>
    <message>
        <source>Dual stream, events %1 %</source>
        <translation>双码流，事件录像 %1%</translation>
    </message>
    <message numerus="yes">
        <source>Holds %n day(s)</source>
        <translation>
            <numerusform>可保存 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>Holds every group for its own days</source>
        <translation>每组均可按各自天数保存</translation>
    </message>
    <message numerus="yes">
        <source>Holds %n day(s) even at the high bound, %1 to spare</source>
        <translation>
            <numerusform>按上限估算仍可保存 %n 天，余量 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>add %1</source>
        <translation>需增加 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n more %1 drive(s) in %2</source>
        <translation>
            <numerusform>再加 %n 块 %1 硬盘，%2</numerusform>
        </translation>
    </message>
    <message>
        <source>at the high bound</source>
        <translation>（按上限估算）</translation>
    </message>
    <message>
        <source>even at the expected figure</source>
        <translation>（按预期值也不足）</translation>
    </message>
    <message numerus="yes">
        <source>%1: short of %n day(s) %2 — %3</source>
        <translation>
            <numerusform>%1：不足 %n 天%2 — %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Constant rate</source>
        <translation>恒定码率</translation>
    </message>
    <message>
        <source>IR night</source>
        <translation>红外夜景</translation>
    </message>
    <message>
        <source>Lit night</source>
        <translation>有照明夜景</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n 路</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Mbps at peak</source>
        <translation>峰值 %1 Mbps</translation>
    </message>
    <message>
        <source>%1 TB/day</source>
        <translation>每天 %1 TB</translation>
    </message>
    <message>
        <source>%1 GB/day</source>
        <translation>每天 %1 GB</translation>
    </message>
    <message numerus="yes">
        <source>Compares the disk array of &quot;Calculate Time&quot; (%1) with the period of &quot;Calculate Size&quot; (%n day(s)), at %2 h of recording a day.</source>
        <translation>
            <numerusform>比较“计算录像时间”的磁盘阵列（%1）与“计算磁盘容量”的保存时间（%n 天），按每天录像 %2 小时计算。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Compares the disk of &quot;Calculate Time&quot; (%1) with the period of &quot;Calculate Size&quot; (%n day(s)), at %2 h of recording a day.</source>
        <translation>
            <numerusform>比较“计算录像时间”的磁盘容量（%1）与“计算磁盘容量”的保存时间（%n 天），按每天录像 %2 小时计算。</numerusform>
        </translation>
    </message>
    <message>
        <source>What the cameras write is an estimate: low for quiet scenes, expected as the bitrate tables give it (the figure of the results), high for busy scenes, night under infrared and an encoding that saves less in the field. Constant-rate groups write exactly their rate.</source>
        <translation>摄像机写入的数据量是估计值：下限对应安静场景；预期值即码率表的数值（结果中显示的数字）；上限对应繁忙场景、夜间红外以及现场压缩效果较差的编码。定码率的组按其码率精确写入。</translation>
    </message>
    <message>
        <source>Green: the disk keeps the period even at the high bound. Amber: it keeps it at the expected figure only. Red: it is short even at the expected figure.</source>
        <translation>绿色：按上限估算硬盘仍可保存整个保存期。琥珀色：仅按预期值可以保存。红色：按预期值也不足。</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save Changes</source>
        <translation>保存更改</translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; has changes that are not saved. Save them first?</source>
        <translation>方案“%1”有未保存的更改，是否先保存？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>不保存</translation>
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
        <translation>场景：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Get Picture Failure&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;图片获取失败&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation>图片获取失败</translation>
    </message>
</context>
<context>
    <name>SceneNames</name>
    <message>
        <source>Bank</source>
        <translation>银行</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>医院</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>办公室</translation>
    </message>
    <message>
        <source>Parking Lot</source>
        <translation>停车场</translation>
    </message>
    <message>
        <source>School</source>
        <translation>学校</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>街道</translation>
    </message>
    <message>
        <source>Supermarket</source>
        <translation>超市</translation>
    </message>
    <message>
        <source>Warehouse</source>
        <translation>仓库</translation>
    </message>
</context>
<context>
    <name>SitePlanFile</name>
    <message>
        <source>%1: &quot;%2&quot; is not text.</source>
        <translation>%1：“%2”不是文本。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4.</source>
        <translation>%1：“%2”不是 %3 到 %4 之间的整数。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from 0 to %3.</source>
        <translation>%1：“%2”不是 0 到 %3 之间的数字。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is &quot;%3&quot;, which is none of %4.</source>
        <translation>%1：“%2”的值为“%3”，不是 %4 之一。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing.</source>
        <translation>%1：缺少“%2”。</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>第 %1 组</translation>
    </message>
    <message>
        <source>%1 is not a group.</source>
        <translation>%1 不是有效的通道组。</translation>
    </message>
    <message>
        <source>%1: a recommended rate names no scene.</source>
        <translation>%1：推荐码率没有指定场景。</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>计算参数</translation>
    </message>
    <message>
        <source>The calculation inputs are missing.</source>
        <translation>缺少计算参数。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件是空的。</translation>
    </message>
    <message>
        <source>The file is too large for a plan (more than %1 MB).</source>
        <translation>文件太大，不是方案文件（超过 %1 MB）。</translation>
    </message>
    <message>
        <source>The plan is damaged or cut short: %1 at character %2.</source>
        <translation>方案文件已损坏或不完整：第 %2 个字符处 %1。</translation>
    </message>
    <message>
        <source>The file is not a Larkspan plan.</source>
        <translation>该文件不是 Larkspan 方案。</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>The plan was saved by a newer Larkspan (plan version %1); this version opens plans up to version %2.</source>
        <translation>该方案由更新版本的 Larkspan 保存（方案版本 %1）；本版本只能打开版本 %2 及以下的方案。</translation>
    </message>
    <message>
        <source>The plan has no list of groups.</source>
        <translation>方案中没有通道组列表。</translation>
    </message>
    <message>
        <source>The plan holds %1 groups; a plan holds at most %2.</source>
        <translation>方案包含 %1 个通道组，最多只能有 %2 个。</translation>
    </message>
    <message>
        <source>Group %1: group number %2 is used twice.</source>
        <translation>第 %1 组：组号 %2 重复。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a plan.</source>
        <translation>“%1”是文件夹，不是方案。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>“%1”不存在。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>The disk array is not a section of values.</source>
        <translation>磁盘阵列部分不是一组数值。</translation>
    </message>
    <message>
        <source>Disk array</source>
        <translation>磁盘阵列</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than %3 characters.</source>
        <translation>%1：“%2”超过 %3 个字符。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds a control character.</source>
        <translation>%1：“%2”含有控制字符。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds a broken character (half of a surrogate pair).</source>
        <translation>%1：“%2”含有损坏的字符（不成对的代理项）。</translation>
    </message>
    <message>
        <source>%1: identity %2 is used twice.</source>
        <translation>%1：标识 %2 重复。</translation>
    </message>
    <message>
        <source>%1: &quot;diskSize&quot; is not a whole number of GB.</source>
        <translation>%1：“diskSize”不是整数 GB。</translation>
    </message>
    <message>
        <source>%1: &quot;diskSize&quot; has more than three decimals of a TB.</source>
        <translation>%1：“diskSize”的 TB 数超过三位小数。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a plan but a pipe, a device or a socket.</source>
        <translation>“%1”不是方案，而是管道、设备或套接字。</translation>
    </message>
    <message>
        <source>The plan could not be saved as &quot;%1&quot; in the folder &quot;%2&quot;: %3</source>
        <translation>无法将方案以“%1”为名保存到文件夹“%2”：%3</translation>
    </message>
    <message>
        <source>Group %1, recording</source>
        <translation>第 %1 组的录像设置</translation>
    </message>
    <message>
        <source>%1 is not a section of values.</source>
        <translation>%1 不是一组数值。</translation>
    </message>
    <message>
        <source>The plan&apos;s recorders are not a list.</source>
        <translation>方案中的录像机不是列表。</translation>
    </message>
    <message>
        <source>The plan holds %1 recorders; a plan holds at most %2.</source>
        <translation>方案包含 %1 台录像机；一个方案最多包含 %2 台。</translation>
    </message>
    <message>
        <source>Recorder %1</source>
        <translation>第 %1 台录像机</translation>
    </message>
    <message>
        <source>%1: &quot;name&quot; is empty.</source>
        <translation>%1：“name”为空。</translation>
    </message>
    <message>
        <source>%1, disk array</source>
        <translation>%1 的磁盘阵列</translation>
    </message>
    <message>
        <source>%1: &quot;recorder&quot; names a recorder, but the plan has none.</source>
        <translation>%1：“recorder”指定了录像机，但方案中没有录像机。</translation>
    </message>
    <message>
        <source>%1: &quot;recorder&quot; is %2, which is no recorder of the plan.</source>
        <translation>%1：“recorder”为 %2，方案中没有这台录像机。</translation>
    </message>
</context>
<context>
    <name>SiteRecorders</name>
    <message>
        <source>Delete recorder</source>
        <translation>删除录像机</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete %1? The site is one disk again, holding every group.</source>
        <translation>删除 %1？站点将重新成为单一磁盘，容纳全部通道组。</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>删除 %1？</translation>
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
        <translation>所需磁盘容量：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;MB&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;MB&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>The range of the disk needed: from the least the cameras may write to the most. The large figure is the expected one, or the high bound with &quot;Guaranteed retention&quot;.</source>
        <translation>所需硬盘容量的范围：从摄像机写入最少到写入最多。大号数字为预期值；勾选“保证保留期”时为上限。</translation>
    </message>
</context>
<context>
    <name>SpreadDialog</name>
    <message>
        <source>Recorders of the profile :</source>
        <translation>录像机配置：</translation>
    </message>
    <message>
        <source>Spread groups</source>
        <translation>分配通道组</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>There are no recorder profiles to spread the groups over.</source>
        <translation>没有可用于分配通道组的录像机配置。</translation>
    </message>
    <message numerus="yes">
        <source>%n recorder(s) of &quot;%1&quot; hold every group within their limits, keeping %2 at the high bound.</source>
        <translation>
            <numerusform>%n 台“%1”可在各项限制内容纳全部通道组，并按上限保存 %2。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is larger than one recorder: it is split by channels.</source>
        <translation>%1 超出一台录像机的容量：按通道拆分。</translation>
    </message>
    <message>
        <source>%1 is too large for any recorder of this profile, even one channel: it gets a recorder of its own, which breaks its limits.</source>
        <translation>%1 对此配置的任何录像机都太大，连一个通道也放不下：它单独占用一台录像机，并会超出其限制。</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n channel(s)</source>
        <translation>
            <numerusform>%1：%n 路</numerusform>
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
        <translation>确定吗？</translation>
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
        <translation>导出数据模板</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>导入场景数据</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <translation>提示：导入后需重启软件</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>更新数据</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <translation>导出成功。</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <translation>导出失败。</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <translation>导入成功，重启软件后生效。</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <translation>导入失败。</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path</source>
        <translation>场景,编码,分辨率,推荐码率(kbps),图片路径</translation>
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
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Line %1 has fewer than five fields.</source>
        <translation>第 %1 行不足五个字段。</translation>
    </message>
    <message>
        <source>Line %1 has no whole, non-negative rate.</source>
        <translation>第 %1 行的推荐码率不是非负整数。</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>等另外 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures not copied: %1</source>
        <translation>未复制的图片：%1</translation>
    </message>
    <message>
        <source>Export Scene Table</source>
        <translation>导出场景表</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;暂无设备，&lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;请添加设备！&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Larkspan is already running.</source>
        <translation>Larkspan 已在运行。</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>显示器分辨率低于 1024×768，确定要启动程序吗？</translation>
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
