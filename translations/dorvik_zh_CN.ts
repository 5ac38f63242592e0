<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DORVIK</name>
    <message>
        <source> - Demo on a simulated unit</source>
        <translation> - 模拟主机演示</translation>
    </message>
    <message>
        <source> Log</source>
        <translation> 记录</translation>
    </message>
    <message>
        <source> Setting or Log</source>
        <translation> 设置或记录</translation>
    </message>
    <message>
        <source>&amp;About DORVIK...</source>
        <translation>关于 DORVIK(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>新建(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>打开(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>通信指示</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
    <message>
        <source>Alarm Phone Numbers</source>
        <translation>报警号码</translation>
    </message>
    <message>
        <source>Alarm content</source>
        <translation>报警短信内容</translation>
    </message>
    <message>
        <source>Alarm number</source>
        <translation>报警号码</translation>
    </message>
    <message>
        <source>Alarm%1</source>
        <translation>报警%1</translation>
    </message>
    <message>
        <source>Alarm%1:</source>
        <translation>报警%1:</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>程序错误</translation>
    </message>
    <message>
        <source>Auto open last file</source>
        <translation>启动时打开上次的文件</translation>
    </message>
    <message>
        <source>Band Selection</source>
        <translation>频段选择</translation>
    </message>
    <message>
        <source>Battery backup</source>
        <translation>备用电池</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>COM Set</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Choose Setting or Log</source>
        <translation>选择设置或记录界面</translation>
    </message>
    <message>
        <source>Communciation</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>Communication Selection</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>Communication failed,please try again</source>
        <translation>通信失败，请重试</translation>
    </message>
    <message>
        <source>Communication selection</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Confirm password is error</source>
        <translation>确认密码不一致</translation>
    </message>
    <message>
        <source>Connect device fialed,Please check device!</source>
        <translation>连接主机失败，请检查主机！</translation>
    </message>
    <message>
        <source>Connect/Disconnect</source>
        <translation>连接/断开</translation>
    </message>
    <message>
        <source>Connect/Disconnect to Unit</source>
        <translation>连接或断开主机</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前电量</translation>
    </message>
    <message>
        <source>Current password is empty</source>
        <translation>当前密码为空</translation>
    </message>
    <message>
        <source>DORVIK     Select Excel Table</source>
        <translation>DORVIK     选择 Excel 工作表</translation>
    </message>
    <message>
        <source>DORVIK Version %1</source>
        <translation>DORVIK 版本 %1</translation>
    </message>
    <message>
        <source>Data Bit</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Default password is 482915</source>
        <translation>默认密码为 482915</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete Log</source>
        <translation>删除记录</translation>
    </message>
    <message>
        <source>Delete message error</source>
        <translation>删除短信出错</translation>
    </message>
    <message>
        <source>Desired row is beyond the last row a sheet can hold
</source>
        <translation>所需的行超出了工作表能容纳的最后一行
</translation>
    </message>
    <message>
        <source>Desired row is greater than total number of rows in spreadsheet
</source>
        <translation>所需的行大于工作表的总行数
</translation>
    </message>
    <message>
        <source>Dial1</source>
        <translation>拨号1</translation>
    </message>
    <message>
        <source>Dial1:</source>
        <translation>拨号1:</translation>
    </message>
    <message>
        <source>Dial2</source>
        <translation>拨号2</translation>
    </message>
    <message>
        <source>Dial2:</source>
        <translation>拨号2:</translation>
    </message>
    <message>
        <source>Didn&apos;t receive response message</source>
        <translation>未收到回复短信</translation>
    </message>
    <message>
        <source>Disconnect, Check the port and restart</source>
        <translation>连接已断开，请检查串口后重新启动</translation>
    </message>
    <message>
        <source>Disconnected from unit</source>
        <translation>已断开与主机的连接</translation>
    </message>
    <message>
        <source>Download All Phones</source>
        <translation>全部写入主机</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Entires Amount</source>
        <translation>限定次数</translation>
    </message>
    <message>
        <source>Entries Amount</source>
        <translation>限定次数</translation>
    </message>
    <message>
        <source>Error Index format</source>
        <translation>序号格式错误</translation>
    </message>
    <message>
        <source>Error in opening file
</source>
        <translation>打开文件出错
</translation>
    </message>
    <message>
        <source>Error writing file
</source>
        <translation>写入文件出错
</translation>
    </message>
    <message>
        <source>Export Log</source>
        <translation>导出记录</translation>
    </message>
    <message>
        <source>Export to Excel</source>
        <translation>导出到 Excel</translation>
    </message>
    <message>
        <source>File Type(*.gto)|*.gto||</source>
        <translation>文件类型(*.gto)|*.gto||</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>From Date</source>
        <translation>开始日期</translation>
    </message>
    <message>
        <source>From Date to Date</source>
        <translation>限定日期</translation>
    </message>
    <message>
        <source>From Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>From Time to Time</source>
        <translation>限定时段</translation>
    </message>
    <message>
        <source>Get AStatus</source>
        <translation>读取主机状态</translation>
    </message>
    <message>
        <source>Get Data</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Get Device Status</source>
        <translation>读取主机状态</translation>
    </message>
    <message>
        <source>Get Gate Delay</source>
        <translation>读取开门延时</translation>
    </message>
    <message>
        <source>Get Got Delay</source>
        <translation>读取开门延时</translation>
    </message>
    <message>
        <source>Get Mode</source>
        <translation>读取模式</translation>
    </message>
    <message>
        <source>Get Numbers From Unit</source>
        <translation>从主机读取号码</translation>
    </message>
    <message>
        <source>Get PC Time</source>
        <translation>读取电脑时间</translation>
    </message>
    <message>
        <source>Get Reception</source>
        <translation>读取信号强度</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>读取状态</translation>
    </message>
    <message>
        <source>Get The Entire Log From Unit</source>
        <translation>从主机读取全部记录</translation>
    </message>
    <message>
        <source>Get The Last</source>
        <translation>读取最近</translation>
    </message>
    <message>
        <source>Get The Last Log Entires</source>
        <translation>读取最近的记录</translation>
    </message>
    <message>
        <source>Get Unit Name</source>
        <translation>读取主机名称</translation>
    </message>
    <message>
        <source>Get Unit Time</source>
        <translation>读取主机时间</translation>
    </message>
    <message>
        <source>Got Delay</source>
        <translation>开门延时</translation>
    </message>
    <message>
        <source>Hasn&apos;t Select sheet name</source>
        <translation>未选择工作表</translation>
    </message>
    <message>
        <source>House Dial Numbers</source>
        <translation>房号拨号</translation>
    </message>
    <message>
        <source>House Number</source>
        <translation>房号</translation>
    </message>
    <message>
        <source>Ilegal phone number</source>
        <translation>电话号码无效</translation>
    </message>
    <message>
        <source>Import From Excel</source>
        <translation>从 Excel 导入</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Index not entered</source>
        <translation>未输入序号</translation>
    </message>
    <message>
        <source>Index number too big</source>
        <translation>序号超出范围</translation>
    </message>
    <message>
        <source>Index type different with number type</source>
        <translation>序号类型与号码类型不符</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Invalidate expired time</source>
        <translation>接收超时时间无效</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>短信</translation>
    </message>
    <message>
        <source>Message format setting error</source>
        <translation>设置短信格式出错</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>主机设置</translation>
    </message>
    <message>
        <source>Mode 0</source>
        <translation>模式 0</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>模式 1</translation>
    </message>
    <message>
        <source>Modem test error</source>
        <translation>调制解调器检测出错</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>New password is empty<byte value="xd"/>
Please Insert new password before  changing password</source>
        <translation>新密码为空<byte value="xd"/>
请先输入新密码再修改密码</translation>
    </message>
    <message>
        <source>No COM port is selected</source>
        <translation>未选择串口</translation>
    </message>
    <message>
        <source>No header row. Add header row first
</source>
        <translation>没有表头行，请先添加表头行
</translation>
    </message>
    <message>
        <source>Number of columns in new header row cannot be less than the number of columns in previous header row</source>
        <translation>新表头的列数不能少于原表头的列数</translation>
    </message>
    <message>
        <source>Number of columns to be added cannot be greater than the number of fields
</source>
        <translation>要添加的列数不能多于字段数
</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open an existing *.gto</source>
        <translation>打开已有的 *.gto 文件</translation>
    </message>
    <message>
        <source>PHONE</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>电话号码</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>授权号码</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>电话号码</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>请输入密码</translation>
    </message>
    <message>
        <source>Please enter unit ID</source>
        <translation>请输入主机编号</translation>
    </message>
    <message>
        <source>Please select COM port</source>
        <translation>请选择串口</translation>
    </message>
    <message>
        <source>Please select sheet</source>
        <translation>请选择工作表</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Problems with adding headers
</source>
        <translation>添加表头出错
</translation>
    </message>
    <message>
        <source>QUELLIA User Management Version 1.1-20160701</source>
        <translation>QUELLIA 用户管理 版本 1.1-20160701</translation>
    </message>
    <message>
        <source>Read message error</source>
        <translation>读取短信出错</translation>
    </message>
    <message>
        <source>Ready to send message error</source>
        <translation>准备发送短信出错</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>Receive Expired Time</source>
        <translation>接收超时时间</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>信号强度</translation>
    </message>
    <message>
        <source>Relay Control</source>
        <translation>继电器控制</translation>
    </message>
    <message>
        <source>Relay Mode</source>
        <translation>继电器模式</translation>
    </message>
    <message>
        <source>Relay Status</source>
        <translation>继电器状态</translation>
    </message>
    <message>
        <source>Relay%1</source>
        <translation>继电器%1</translation>
    </message>
    <message>
        <source>Relay1 Gate Delay</source>
        <translation>继电器1 开门延时</translation>
    </message>
    <message>
        <source>Relay1 Mode</source>
        <translation>继电器1 模式</translation>
    </message>
    <message>
        <source>Relay1:</source>
        <translation>继电器1:</translation>
    </message>
    <message>
        <source>Relay2:</source>
        <translation>继电器2:</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>滚动</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>短信</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Save password</source>
        <translation>保存密码</translation>
    </message>
    <message>
        <source>Save the active document </source>
        <translation>保存当前文件</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>以新文件名保存当前文件</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Self clock update SMS</source>
        <translation>短信自动校时</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Send message error</source>
        <translation>发送短信出错</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Set Alarm Mode</source>
        <translation>设置报警方式</translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Set Gate Delay</source>
        <translation>设置开门延时</translation>
    </message>
    <message>
        <source>Set Got Delay</source>
        <translation>设置开门延时</translation>
    </message>
    <message>
        <source>Set Language</source>
        <translation>设置语言</translation>
    </message>
    <message>
        <source>Set Mode</source>
        <translation>设置模式</translation>
    </message>
    <message>
        <source>Set Relay mode succes</source>
        <translation>继电器模式设置成功</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>设置状态</translation>
    </message>
    <message>
        <source>Set Unit Name</source>
        <translation>设置主机名称</translation>
    </message>
    <message>
        <source>Set Unit Password</source>
        <translation>修改主机密码</translation>
    </message>
    <message>
        <source>Set Unit Time</source>
        <translation>设置主机时间</translation>
    </message>
    <message>
        <source>Set alarm content success</source>
        <translation>报警短信内容设置成功</translation>
    </message>
    <message>
        <source>Set alarm mode success</source>
        <translation>报警方式设置成功</translation>
    </message>
    <message>
        <source>Set band  success</source>
        <translation>频段设置成功</translation>
    </message>
    <message>
        <source>Set battery backup success</source>
        <translation>备用电池设置成功</translation>
    </message>
    <message>
        <source>Set delay time success</source>
        <translation>开门延时设置成功</translation>
    </message>
    <message>
        <source>Set out  success</source>
        <translation>继电器状态设置成功</translation>
    </message>
    <message>
        <source>Set password success</source>
        <translation>密码修改成功</translation>
    </message>
    <message>
        <source>Set serial port param</source>
        <translation>设置串口参数</translation>
    </message>
    <message>
        <source>Set time update success</source>
        <translation>自动校时设置成功</translation>
    </message>
    <message>
        <source>Set unit name success</source>
        <translation>主机名称设置成功</translation>
    </message>
    <message>
        <source>Set unit time success</source>
        <translation>主机时间设置成功</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Special Phone Numbers</source>
        <translation>特殊号码</translation>
    </message>
    <message>
        <source>Special User Mode</source>
        <translation>限制方式</translation>
    </message>
    <message>
        <source>Stop Bit</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>TAVRIN Mode</source>
        <translation>TAVRIN 模式</translation>
    </message>
    <message>
        <source>Telefono</source>
        <translation>电话号码</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>该 .EXE 文件无效
（不是 Win32 程序，或程序映像有误）。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>其他 DDE 事务正在处理，
无法完成该 DDE 事务。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>请求超时，
无法完成该 DDE 事务。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DORVIK project</source>
        <translation>DORVIK 项目组</translation>
    </message>
    <message>
        <source>The Name not exist</source>
        <translation>该用户名不存在</translation>
    </message>
    <message>
        <source>The file is not a workbook
</source>
        <translation>该文件不是 Excel 工作簿
</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件关联
不完整或无效。</translation>
    </message>
    <message>
        <source>The language changes when DORVIK is started again.</source>
        <translation>语言将在 DORVIK 重新启动后生效。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝
访问指定的文件。</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统的内存
或资源不足。</translation>
    </message>
    <message>
        <source>The phone number exist</source>
        <translation>该电话号码已存在</translation>
    </message>
    <message>
        <source>The phone number not exist</source>
        <translation>该电话号码不存在</translation>
    </message>
    <message>
        <source>The sheet is null</source>
        <translation>工作表为空</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The workbook file is damaged
</source>
        <translation>工作簿文件已损坏
</translation>
    </message>
    <message>
        <source>The workbook is not in the Excel 97-2003 format
</source>
        <translation>工作簿不是 Excel 97-2003 格式
</translation>
    </message>
    <message>
        <source>The workbook is protected with a password
</source>
        <translation>工作簿受密码保护
</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与该文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>There isn&apos;t sheet in the file!</source>
        <translation>文件中没有工作表！</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成操作。</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>To Date</source>
        <translation>结束日期</translation>
    </message>
    <message>
        <source>To Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>Uint base setting</source>
        <translation>主机基本设置</translation>
    </message>
    <message>
        <source>Unit ID</source>
        <translation>主机编号</translation>
    </message>
    <message>
        <source>Unit Info</source>
        <translation>主机信息</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>主机名称</translation>
    </message>
    <message>
        <source>Unit Password</source>
        <translation>主机密码</translation>
    </message>
    <message>
        <source>Unit Phone Number</source>
        <translation>主机电话号码</translation>
    </message>
    <message>
        <source>Unit Time</source>
        <translation>主机时间</translation>
    </message>
    <message>
        <source>Unit Version</source>
        <translation>主机版本</translation>
    </message>
    <message>
        <source>Unit base setting</source>
        <translation>主机基本设置</translation>
    </message>
    <message>
        <source>UnitPhone Number</source>
        <translation>主机电话号码</translation>
    </message>
    <message>
        <source>Unsupported in modem mode</source>
        <translation>调制解调器模式下不支持此操作</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source>Use Modem</source>
        <translation>使用调制解调器</translation>
    </message>
    <message>
        <source>User Detail</source>
        <translation>用户资料</translation>
    </message>
    <message>
        <source>User Details</source>
        <translation>用户资料</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>Week Days</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>You are disconnected from the unit</source>
        <translation>未连接到主机</translation>
    </message>
    <message>
        <source>You must set unit ID and password if use modem</source>
        <translation>使用调制解调器时必须设置主机编号和密码</translation>
    </message>
    <message>
        <source>You must set unit phone number if use modem</source>
        <translation>使用调制解调器时必须设置主机电话号码</translation>
    </message>
    <message>
        <source>You need to select at least one week day</source>
        <translation>请至少选择星期中的一天</translation>
    </message>
    <message>
        <source>Zero index is not allowed</source>
        <translation>序号不能为 0</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>not a well-formed XML document</source>
        <translation>不是格式正确的 XML 文档</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>out of memory while building the project</source>
        <translation>生成工程文件时内存不足</translation>
    </message>
    <message>
        <source>phone number is already exist in the phone list</source>
        <translation>该号码已在授权号码中</translation>
    </message>
    <message>
        <source>phone number is already exist in the special phone list</source>
        <translation>该号码已在特殊号码中</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>the document has no root element</source>
        <translation>文档没有根元素</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>文件太大</translation>
    </message>
    <message>
        <source>Disconnected from unit?</source>
        <translation>断开与主机的连接？</translation>
    </message>
    <message>
        <source>Cannot open COM%1</source>
        <translation>无法打开 COM%1</translation>
    </message>
    <message>
        <source>ID:%1 is connected...</source>
        <translation>主机 %1 已连接...</translation>
    </message>
    <message>
        <source>Used %1/%2</source>
        <translation>已用 %1/%2</translation>
    </message>
    <message>
        <source>Error Response, %1</source>
        <translation>主机回复有误：%1</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>表头错误：%1</translation>
    </message>
    <message>
        <source>rows %1, %2</source>
        <translation>第 %1 行，%2</translation>
    </message>
    <message>
        <source>The sheet which name is %1 is null</source>
        <translation>名为 %1 的工作表为空</translation>
    </message>
    <message>
        <source>WARNING:  %1 Failed with the following error: </source>
        <translation>警告：%1 失败，错误如下：</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>串口：%1</translation>
    </message>
    <message>
        <source>Add your user to the &quot;dialout&quot; group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>请把您的用户加入 &quot;dialout&quot; 组（sudo usermod -aG dialout $USER）后重新登录。</translation>
    </message>
    <message>
        <source>%1: not a serial device</source>
        <translation>%1：不是串口设备</translation>
    </message>
    <message>
        <source>Baud rate %1 is not supported; 9600 is used</source>
        <translation>不支持波特率 %1，改用 9600</translation>
    </message>
    <message>
        <source>Parity &apos;%1&apos; is not supported; no parity is used</source>
        <translation>不支持校验位“%1”，改为无校验</translation>
    </message>
    <message>
        <source>%1 data bits are not supported; 8 are used</source>
        <translation>不支持 %1 位数据位，改用 8 位</translation>
    </message>
    <message>
        <source>%1 stop bits are not supported; 1 is used</source>
        <translation>不支持 %1 位停止位，改用 1 位</translation>
    </message>
    <message>
        <source>Duplicate header row field:%1
</source>
        <translation>表头字段重复：%1
</translation>
    </message>
    <message>
        <source>Invalid sheet name:%1
</source>
        <translation>工作表名称无效：%1
</translation>
    </message>
    <message>
        <source>Too many rows or columns for the sheet:%1
</source>
        <translation>工作表的行或列太多：%1
</translation>
    </message>
    <message>
        <source>The sheet does not exist:%1
</source>
        <translation>工作表不存在：%1
</translation>
    </message>
    <message>
        <source>The sheet already exists:%1
</source>
        <translation>工作表已存在：%1
</translation>
    </message>
    <message>
        <source>The sheet is not a worksheet:%1
</source>
        <translation>该表不是工作表：%1
</translation>
    </message>
    <message>
        <source>The workbook holds a sheet that cannot be kept:%1
</source>
        <translation>工作簿中有无法保留的表：%1
</translation>
    </message>
    <message>
        <source>A cell text is longer than 32767 characters in sheet:%1
</source>
        <translation>工作表中有单元格超过 32767 个字符：%1
</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>无法打开超链接：

%1</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>发生未知错误（%1）。</translation>
    </message>
    <message>
        <source>The project could not be saved to
%1

%2</source>
        <translation>无法把工程文件保存到
%1

%2</translation>
    </message>
    <message>
        <source>cannot create a temporary file beside %1: %2</source>
        <translation>无法在 %1 旁创建临时文件：%2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>无法替换 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>%1 is too large for a project file</source>
        <translation>%1 太大，不是工程文件</translation>
    </message>
    <message>
        <source>  (cannot be opened)</source>
        <translation>  （无法打开）</translation>
    </message>
    <message>
        <source>(no extension)</source>
        <translation>（无扩展名）</translation>
    </message>
    <message>
        <source>Run progress</source>
        <translation>操作进度</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx *.ods *.xls *.csv)|*.xlsx;*.ods;*.xls;*.csv|Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods|Excel 97-2003 Workbook (*.xls)|*.xls|CSV (*.csv)|*.csv|Text (*.txt *.tsv)|*.txt;*.tsv||</source>
        <translation>电子表格 (*.xlsx *.ods *.xls *.csv)|*.xlsx;*.ods;*.xls;*.csv|Excel 工作簿 (*.xlsx)|*.xlsx|OpenDocument 电子表格 (*.ods)|*.ods|Excel 97-2003 工作簿 (*.xls)|*.xls|CSV 文件 (*.csv)|*.csv|文本文件 (*.txt *.tsv)|*.txt;*.tsv||</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop the running upload or read</source>
        <translation>停止当前的写入或读取</translation>
    </message>
    <message>
        <source>The port cannot be changed while connected: disconnect first.</source>
        <translation>已连接时不能更改串口，请先断开连接。</translation>
    </message>
    <message>
        <source>The workbook file declares a DTD or entities and is not read
</source>
        <translation>工作簿文件声明了 DTD 或实体，不予读取
</translation>
    </message>
    <message>
        <source>The workbook file expands beyond 32 MB a part or 64 MB in all and is not read
</source>
        <translation>工作簿文件解压后单个组成部分超过 32 MB 或总计超过 64 MB，不予读取
</translation>
    </message>
    <message>
        <source>The workbook file is damaged: a part is missing
</source>
        <translation>工作簿文件已损坏：缺少组成部分
</translation>
    </message>
    <message>
        <source>The workbook holds more sheets, rows or columns than a list can use and is not read
</source>
        <translation>工作簿中的工作表、行或列超出列表能容纳的数量，不予读取
</translation>
    </message>
    <message>
        <source>a character that is not allowed in the file</source>
        <translation>文件中有不允许的字符</translation>
    </message>
    <message>
        <source>an element is not closed</source>
        <translation>有元素未闭合</translation>
    </message>
    <message>
        <source>an unknown entity (&amp;...;)</source>
        <translation>有未知的实体（&amp;...;）</translation>
    </message>
    <message>
        <source>text follows the end of the document</source>
        <translation>文档结束后还有文本</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>the file is too large or too deeply nested for a project</source>
        <translation>文件太大或嵌套太深，无法作为工程文件打开</translation>
    </message>
    <message>
        <source>The project could not be opened from
%1

%2</source>
        <translation>无法打开工程文件
%1

%2</translation>
    </message>
    <message>
        <source>Save the changes to the %1?</source>
        <translation>是否保存对“%1”的修改？</translation>
    </message>
    <message>
        <source>Unsupported file type %1: use .xlsx, .ods, .xls, .csv, .txt or .tsv</source>
        <translation>不支持的文件类型%1：请使用 .xlsx、.ods、.xls、.csv、.txt 或 .tsv 文件</translation>
    </message>
    <message>
        <source>The device belongs to the group &quot;%1&quot;: add your user to it (sudo usermod -aG %2 $USER) and log in again.</source>
        <translation>该设备属于 &quot;%1&quot; 组：请把您的用户加入该组（sudo usermod -aG %2 $USER）后重新登录。</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 太大</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1：第 %2 行：%3</translation>
    </message>
    <message>
        <source>%1 of %2, %3 left</source>
        <translation>%1/%2，剩余时间 %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1 line received</source>
        <translation>已接收 %1 行</translation>
    </message>
    <message>
        <source>%1 lines received</source>
        <translation>已接收 %1 行</translation>
    </message>
    <message>
        <source>%1 holds %2 entries beyond what the lists and the log can keep; they are not loaded, and saving over the file would lose them.</source>
        <translation>%1 中有 %2 条记录超出了列表和记录所能保存的数量；这些记录未被载入，覆盖保存该文件会使它们丢失。</translation>
    </message>
    <message>
        <source>The modem is in use by another program, for example ModemManager. Stop that program or tell it to leave the modem alone (see &quot;Modems used by the system&quot; in README.md), then connect again.</source>
        <translation>调制解调器正被其他程序占用，例如 ModemManager。请停止该程序，或设置它不再使用这个调制解调器（见 README.md 中的“Modems used by the system”），然后重新连接。</translation>
    </message>
</context>
</TS>
