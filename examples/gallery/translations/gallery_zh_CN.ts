<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DevChoosePage</name>
    <message>
        <source>%1 (no enumerator)</source>
        <translation>%1（无枚举值）</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>LAN</translation>
    </message>
    <message>
        <source>RS232</source>
        <translation>RS232</translation>
    </message>
    <message>
        <source>GPIB</source>
        <translation>GPIB</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>未选择</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Bench supply on LAN (raw socket)</source>
        <translation>通过 LAN 连接的台式电源（原始套接字）</translation>
    </message>
    <message>
        <source>Calibrator on RS232</source>
        <translation>通过 RS232 连接的校准器</translation>
    </message>
    <message>
        <source>Multimeter on USB</source>
        <translation>通过 USB 连接的万用表</translation>
    </message>
    <message>
        <source>Old record with leading zeros</source>
        <translation>带前导零的旧记录</translation>
    </message>
    <message>
        <source>I/O parameter record</source>
        <translation>I/O 参数记录</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>接口</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>LAN mode</source>
        <translation>LAN 模式</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>VISA resource</source>
        <translation>VISA 资源</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>0 (none chosen)</source>
        <translation>0（未选择）</translation>
    </message>
    <message>
        <source>The dialog opens like this</source>
        <translation>对话框打开时的样子</translation>
    </message>
    <message>
        <source>Start from</source>
        <translation>起始记录</translation>
    </message>
    <message>
        <source>Address suggestions</source>
        <translation>地址建议</translation>
    </message>
    <message>
        <source>Typing in the dialog&apos;s address field completes from this list.</source>
        <translation>在对话框的地址栏中输入时，会根据此列表自动补全。</translation>
    </message>
    <message>
        <source>Connect…</source>
        <translation>连接…</translation>
    </message>
    <message>
        <source>Press Connect… to edit the record in the dialog.</source>
        <translation>点击“连接…”可在对话框中编辑该记录。</translation>
    </message>
    <message numerus="yes">
        <source>Accepted: %n field(s) changed, shown in bold.</source>
        <translation>
            <numerusform>已确认：%n 个字段已更改，以粗体显示。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: only an interface choice reaches the record (%n field(s) changed).</source>
        <translation>
            <numerusform>已取消：只有接口选择会写入记录（%n 个字段已更改）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogPage</name>
    <message>
        <source>Open a dialog</source>
        <translation>打开对话框</translation>
    </message>
    <message>
        <source>Measurement functions…</source>
        <translation>测量功能…</translation>
    </message>
    <message>
        <source>Measuring: Voltage</source>
        <translation>测量：电压</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>电阻</translation>
    </message>
    <message>
        <source>Measurement functions</source>
        <translation>测量功能</translation>
    </message>
    <message>
        <source>Measuring nothing</source>
        <translation>未测量任何量</translation>
    </message>
    <message>
        <source>Measuring: %1</source>
        <translation>测量：%1</translation>
    </message>
    <message>
        <source>Integration time…</source>
        <translation>积分时间…</translation>
    </message>
    <message>
        <source>No integration time chosen yet</source>
        <translation>尚未选择积分时间</translation>
    </message>
    <message>
        <source>0.1 PLC</source>
        <translation>0.1 PLC</translation>
    </message>
    <message>
        <source>1 PLC</source>
        <translation>1 PLC</translation>
    </message>
    <message>
        <source>10 PLC</source>
        <translation>10 PLC</translation>
    </message>
    <message>
        <source>100 PLC</source>
        <translation>100 PLC</translation>
    </message>
    <message>
        <source>Integration time</source>
        <translation>积分时间</translation>
    </message>
    <message>
        <source>Integration time %1 power-line cycles</source>
        <translation>积分时间 %1 个工频周期</translation>
    </message>
    <message>
        <source>Current limit…</source>
        <translation>电流限值…</translation>
    </message>
    <message>
        <source>Current limit: 1.50 A</source>
        <translation>电流限值：1.50 A</translation>
    </message>
    <message>
        <source>Current limit in A</source>
        <translation>电流限值（A）</translation>
    </message>
    <message>
        <source>Current limit: %1 A</source>
        <translation>电流限值：%1 A</translation>
    </message>
    <message>
        <source>Range and voltage…</source>
        <translation>量程和电压…</translation>
    </message>
    <message>
        <source>Range 30 V, output 12.00 V</source>
        <translation>量程 30 V，输出 12.00 V</translation>
    </message>
    <message>
        <source>Range and voltage</source>
        <translation>量程和电压</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Range %1 V, output %2 V</source>
        <translation>量程 %1 V，输出 %2 V</translation>
    </message>
    <message>
        <source>No range chosen, output %1 V</source>
        <translation>未选择量程，输出 %1 V</translation>
    </message>
    <message>
        <source>Output switch: a CheckButtonDialog embedded</source>
        <translation>输出开关：嵌入的 CheckButtonDialog</translation>
    </message>
    <message>
        <source>CH1 output</source>
        <translation>CH1 输出</translation>
    </message>
    <message>
        <source>CH2 output</source>
        <translation>CH2 输出</translation>
    </message>
    <message>
        <source>The buttons follow the simulated supply; clicking one switches its output.</source>
        <translation>按钮跟随模拟电源的状态；点击按钮即可切换对应的输出。</translation>
    </message>
    <message>
        <source>Range and voltage: a CheckButtonAndSpinBoxDialog embedded</source>
        <translation>量程和电压：嵌入的 CheckButtonAndSpinBoxDialog</translation>
    </message>
    <message>
        <source>Press OK to apply.</source>
        <translation>点击“确定”应用。</translation>
    </message>
    <message>
        <source>Applied: range %1 V, output %2 V</source>
        <translation>已应用：量程 %1 V，输出 %2 V</translation>
    </message>
</context>
<context>
    <name>EquipmentPage</name>
    <message>
        <source>&lt;h3&gt;The example equipment plug-in could not be loaded&lt;/h3&gt;&lt;p&gt;Looked for it at &lt;tt&gt;%1&lt;/tt&gt;:&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;Build the target &lt;tt&gt;rilo_equipment_simsupply&lt;/tt&gt; (it is part of every build with examples or tests) and start the gallery again.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;无法加载示例设备插件&lt;/h3&gt;&lt;p&gt;查找位置 &lt;tt&gt;%1&lt;/tt&gt;：&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;请构建目标 &lt;tt&gt;rilo_equipment_simsupply&lt;/tt&gt;（所有包含示例或测试的构建都会构建它），然后重新启动控件展示程序。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>该文件不存在。</translation>
    </message>
    <message>
        <source>The file is not an equipment plug-in.</source>
        <translation>该文件不是设备插件。</translation>
    </message>
    <message>
        <source>Plug-in</source>
        <translation>插件</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Latest</source>
        <translation>最新版本</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Window signals</source>
        <translation>窗口信号</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>opened</source>
        <translation>已打开</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>已关闭</translation>
    </message>
    <message>
        <source>Open unit</source>
        <translation>打开设备</translation>
    </message>
    <message>
        <source>Show closed</source>
        <translation>显示已关闭</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>平铺</translation>
    </message>
</context>
<context>
    <name>FlagPanelPage</name>
    <message>
        <source>Green (default)</source>
        <translation>绿色（默认）</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>琥珀色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Flag panels showing the simulated two-channel supply. Click a channel&apos;s panel to switch its output; click the Output lamps to switch both.</source>
        <translation>显示模拟双通道电源状态的状态面板。点击某个通道的面板可切换该通道的输出；点击“输出”指示灯可同时切换两路输出。</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>Click to switch the output of CH%1</source>
        <translation>点击切换 CH%1 的输出</translation>
    </message>
    <message>
        <source>Voltage set point</source>
        <translation>电压设定值</translation>
    </message>
    <message>
        <source>Current limit</source>
        <translation>电流限值</translation>
    </message>
    <message>
        <source>Output power</source>
        <translation>输出功率</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Constant voltage</source>
        <translation>恒压</translation>
    </message>
    <message>
        <source>Constant current</source>
        <translation>恒流</translation>
    </message>
    <message>
        <source>Panel settings</source>
        <translation>面板设置</translation>
    </message>
    <message>
        <source>Lamp colour when on</source>
        <translation>指示灯点亮颜色</translation>
    </message>
    <message>
        <source>Blank every flag and hold the display</source>
        <translation>清空所有标志并冻结显示</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>No panel clicked yet.</source>
        <translation>尚未点击任何面板。</translation>
    </message>
    <message>
        <source>Last click</source>
        <translation>上次点击</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 W</translation>
    </message>
    <message>
        <source>CH%1 panel: output switched %2</source>
        <translation>CH%1 面板：输出已%2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Output lamps: both outputs switched %1</source>
        <translation>“输出”指示灯：两路输出均已%1</translation>
    </message>
</context>
<context>
    <name>GIFMessageBoxPage</name>
    <message>
        <source>### Zero the instrument

Connect the **calibrator** output to the input of the **instrument** and press **OK**. The instrument then measures the reference and stores its offset.

- Calibrator: %1 V reference
- Instrument: channel CH1, now reading %2 V
</source>
        <translation>### 仪器调零

将**校准器**的输出端连接到**仪器**的输入端，然后按**确定**。仪器随后测量参考值并保存其零点偏移。

- 校准器：%1 V 参考电压
- 仪器：通道 CH1，当前读数 %2 V
</translation>
    </message>
    <message>
        <source>Open as dialog…</source>
        <translation>以对话框打开…</translation>
    </message>
    <message>
        <source>Stop animations</source>
        <translation>停止动画</translation>
    </message>
    <message>
        <source>The preview below is the message box itself, embedded in the page.</source>
        <translation>下方预览即消息框本身，嵌入在页面中。</translation>
    </message>
    <message>
        <source>Preview: OK pressed</source>
        <translation>预览：已按“确定”</translation>
    </message>
    <message>
        <source>Preview: Cancel pressed</source>
        <translation>预览：已按“取消”</translation>
    </message>
    <message>
        <source>Start animations</source>
        <translation>开始动画</translation>
    </message>
    <message>
        <source>Zero the instrument</source>
        <translation>仪器调零</translation>
    </message>
    <message>
        <source>Dialog: accepted, offset stored</source>
        <translation>对话框：已确认，零点偏移已保存</translation>
    </message>
    <message>
        <source>Dialog: cancelled</source>
        <translation>对话框：已取消</translation>
    </message>
</context>
<context>
    <name>GalleryPages</name>
    <message>
        <source>Readouts</source>
        <translation>测量显示</translation>
    </message>
    <message>
        <source>Connect instrument</source>
        <translation>连接仪器</translation>
    </message>
    <message>
        <source>Flag panels</source>
        <translation>状态面板</translation>
    </message>
    <message>
        <source>Parameter dialogs</source>
        <translation>参数对话框</translation>
    </message>
    <message>
        <source>GIF message box</source>
        <translation>GIF 消息框</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
</context>
<context>
    <name>GalleryWindow</name>
    <message>
        <source>librilo_widget gallery</source>
        <translation>librilo_widget 控件展示</translation>
    </message>
</context>
<context>
    <name>InputPage</name>
    <message>
        <source>Measurement files (drop files from a file manager)</source>
        <translation>测量文件（可从文件管理器拖放文件）</translation>
    </message>
    <message>
        <source>every file</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Accept drops</source>
        <translation>允许拖放</translation>
    </message>
    <message>
        <source>Suffixes</source>
        <translation>后缀名</translation>
    </message>
    <message>
        <source>Most entries</source>
        <translation>最多条目数</translation>
    </message>
    <message>
        <source>Drop files with an accepted suffix onto the list: they go on top in the order of the drag, the first one selected. A path already listed is not added twice, and the oldest entries make room at the bottom.</source>
        <translation>将后缀名符合要求的文件拖放到列表上：它们按拖动顺序添加到顶部，并选中第一个。已在列表中的路径不会重复添加，最旧的条目会从底部移除。</translation>
    </message>
    <message>
        <source>%1 of at most %2 entries. Nothing dropped yet.</source>
        <translation>%1 个条目（最多 %2 个）。尚未拖放任何文件。</translation>
    </message>
    <message>
        <source>%1 of at most %2 entries. Last drop: %3 file(s), first %4.</source>
        <translation>%1 个条目（最多 %2 个）。上次拖放：%3 个文件，第一个为 %4。</translation>
    </message>
    <message>
        <source>Supply outputs (on/off selectors)</source>
        <translation>电源输出（开/关选择器）</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>%1  CH%2 toggled(%3)</source>
        <translation>%1  CH%2 toggled(%3)</translation>
    </message>
    <message>
        <source>toggled() as the selectors emit it:</source>
        <translation>选择器发出的 toggled() 信号：</translation>
    </message>
</context>
<context>
    <name>ReadoutPage</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Bench green</source>
        <translation>工作台绿</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>纸白</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>OUTPUT ON</source>
        <translation>输出开启</translation>
    </message>
    <message>
        <source>OUTPUT OFF</source>
        <translation>输出关闭</translation>
    </message>
    <message>
        <source>Panel state</source>
        <translation>面板状态</translation>
    </message>
    <message>
        <source>Active (ring and captions)</source>
        <translation>激活（边框和标题）</translation>
    </message>
    <message>
        <source>Enabled (whole panel)</source>
        <translation>使能（整个面板）</translation>
    </message>
    <message>
        <source>Simulated supply</source>
        <translation>模拟电源</translation>
    </message>
    <message>
        <source>Output CH%1</source>
        <translation>CH%1 输出</translation>
    </message>
    <message>
        <source>Colour pairs</source>
        <translation>配色</translation>
    </message>
    <message>
        <source>Scheme</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>激活：开</translation>
    </message>
    <message>
        <source>Active off</source>
        <translation>激活：关</translation>
    </message>
    <message>
        <source>Enabled on</source>
        <translation>使能：开</translation>
    </message>
    <message>
        <source>Enabled off</source>
        <translation>使能：关</translation>
    </message>
    <message>
        <source>OUT %1</source>
        <translation>输出 %1</translation>
    </message>
    <message>
        <source>CC %1</source>
        <translation>恒流 %1</translation>
    </message>
    <message>
        <source>REMOTE</source>
        <translation>远程</translation>
    </message>
    <message>
        <source>CH%1 SET</source>
        <translation>CH%1 设定</translation>
    </message>
</context>
<context>
    <name>SimSupplyPlugin</name>
    <message>
        <source>Front panel</source>
        <translation>前面板</translation>
    </message>
    <message>
        <source>Current limit settable in 1 mA steps</source>
        <translation>电流限值可按 1 mA 步进设置</translation>
    </message>
    <message>
        <source>Output state shown in the front panel</source>
        <translation>前面板显示输出状态</translation>
    </message>
    <message>
        <source>Faster readings (5 per second)</source>
        <translation>读数更快（每秒 5 次）</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>首个版本</translation>
    </message>
</context>
<context>
    <name>SimSupplyWindow</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Current limit</source>
        <translation>电流限值</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>%1 %2, firmware %3
%4</source>
        <translation>%1 %2，固件 %3
%4</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>OUTPUT ON</source>
        <translation>输出开启</translation>
    </message>
    <message>
        <source>OUTPUT OFF</source>
        <translation>输出关闭</translation>
    </message>
</context>
<context>
    <name>WindowPage</name>
    <message>
        <source>Window flashing</source>
        <translation>窗口闪烁</translation>
    </message>
    <message>
        <source>Draws attention to the gallery window: on Windows its caption and task-bar button flash; elsewhere the window manager marks it as urgent until it is activated or the time is up. Switch to another window after clicking to see it.</source>
        <translation>提醒用户注意控件展示窗口：在 Windows 上，其标题栏和任务栏按钮会闪烁；在其他系统上，窗口管理器会将其标记为紧急，直到窗口被激活或时间结束。点击后切换到其他窗口即可看到效果。</translation>
    </message>
    <message>
        <source>Flash for 3 seconds</source>
        <translation>闪烁 3 秒</translation>
    </message>
    <message>
        <source>Flash until stopped</source>
        <translation>持续闪烁直到停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Not flashing.</source>
        <translation>未闪烁。</translation>
    </message>
    <message>
        <source>Flashing for 3 seconds, every half second.</source>
        <translation>闪烁 3 秒，每半秒一次。</translation>
    </message>
    <message>
        <source>Flashing until stopped.</source>
        <translation>持续闪烁，直到停止。</translation>
    </message>
    <message>
        <source>Finding widgets by class</source>
        <translation>按类查找控件</translation>
    </message>
    <message>
        <source>Meta-object class names, fully qualified, separated by commas; empty finds every object</source>
        <translation>元对象类名（完全限定），以逗号分隔；留空则查找所有对象</translation>
    </message>
    <message>
        <source>Recursive</source>
        <translation>递归</translation>
    </message>
    <message>
        <source>Find in main window</source>
        <translation>在主窗口中查找</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>类名</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>类</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Main window: %1 &quot;%2&quot;</source>
        <translation>主窗口：%1“%2”</translation>
    </message>
    <message>
        <source>No main window.</source>
        <translation>没有主窗口。</translation>
    </message>
    <message numerus="yes">
        <source>Finding widgets by class: %n found</source>
        <translation>
            <numerusform>按类查找控件：找到 %n 个</numerusform>
        </translation>
    </message>
</context>
</TS>
