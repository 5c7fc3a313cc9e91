<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FormConfiguration</name>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Generate code</source>
        <translation>生成代码</translation>
    </message>
    <message>
        <source>Open Manual</source>
        <translation>打开手册</translation>
    </message>
    <message>
        <source>New version download</source>
        <translation>新版本下载</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Clock Configuration</source>
        <translation>时钟配置</translation>
    </message>
    <message>
        <source>Code View</source>
        <translation>代码预览</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Currently no configuration.</source>
        <translation>当前无配置。</translation>
    </message>
    <message>
        <source>The current configuration will be closed before creating a new project. . Please confirm whether to continue?</source>
        <translation>新建项目之前将关闭当前配置，是否继续？</translation>
    </message>
    <message>
        <source>The current configuration will be closed. Please confirm whether to continue?</source>
        <translation>将关闭当前配置，是否继续？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Config file (*.ZKCF)</source>
        <translation>Config file (*.ZKCF)</translation>
    </message>
    <message>
        <source>Can&apos;t open manual!</source>
        <translation>无法打开使用手册！</translation>
    </message>
    <message>
        <source>Can&apos;t connect to the update server.</source>
        <translation>无法连接到更新服务器。</translation>
    </message>
    <message>
        <source>A new version of &quot;Kyto Tessaly&quot; has been detected, do you want to download it?</source>
        <translation>检测到新版本&quot;Kyto Tessaly&quot;，是否下载？</translation>
    </message>
    <message>
        <source>Select directory</source>
        <translation>选择目录</translation>
    </message>
    <message>
        <source>Download succeeded, storage location: </source>
        <translation>下载成功，位于： </translation>
    </message>
    <message>
        <source> Open Folder  </source>
        <translation> 打开文件夹  </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>The current tool is the latest version.</source>
        <translation>当前软件已是最新版本。</translation>
    </message>
</context>
<context>
    <name>HttpsDownload</name>
    <message>
        <source>Invalid URL : </source>
        <translation>无效的URL : </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source> already exists in the current directory. Overwrite?</source>
        <translation> 文件已经存在，是否覆盖？</translation>
    </message>
    <message>
        <source>Overwrite Existing File</source>
        <translation>覆盖文件</translation>
    </message>
    <message>
        <source>Unable to save the file </source>
        <translation>无法保存文件 </translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>服务器未及时响应。</translation>
    </message>
    <message>
        <source>Download failed: </source>
        <translation>下载失败： </translation>
    </message>
    <message>
        <source>Too many redirects</source>
        <translation>重定向次数过多</translation>
    </message>
    <message>
        <source>Redirect to an address that is not HTTPS refused</source>
        <translation>已拒绝重定向到非HTTPS地址</translation>
    </message>
    <message>
        <source>The file received is not the size expected.</source>
        <translation>收到的文件大小与预期不符。</translation>
    </message>
    <message>
        <source>One or more SSL errors has occurred: </source>
        <translation>发生SSL错误： </translation>
    </message>
    <message>
        <source>
%1</source>
        <translation>
%1</translation>
    </message>
    <message>
        <source>SSL Errors</source>
        <translation>SSL错误</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>放弃</translation>
    </message>
</context>
<context>
    <name>MCUSelect_Form</name>
    <message>
        <source>MCU Select</source>
        <translation>选择MCU</translation>
    </message>
    <message>
        <source>Product Line:</source>
        <translation>产品线：</translation>
    </message>
    <message>
        <source>Mainstream</source>
        <translation>主流型</translation>
    </message>
    <message>
        <source>Value line</source>
        <translation>超值型</translation>
    </message>
    <message>
        <source>High performance</source>
        <translation>高性能</translation>
    </message>
    <message>
        <source>Automotive</source>
        <translation>车载型</translation>
    </message>
    <message>
        <source>Low Power</source>
        <translation>低功耗</translation>
    </message>
    <message>
        <source>Wireless BLE</source>
        <translation>无线型蓝牙</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>电机</translation>
    </message>
    <message>
        <source>Device Serials:</source>
        <translation>MCU系列：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MyQsciScintilla</name>
    <message>
        <source>Copy</source>
        <translation>拷贝</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Fold All</source>
        <translation>折叠全部</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>展开全部</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Download Progress</source>
        <translation>下载进度</translation>
    </message>
    <message>
        <source>Downloading </source>
        <translation>正在下载 </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>VersionAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Clock tree configuration tool</source>
        <translation>时钟树配置工具</translation>
    </message>
    <message>
        <source>for the Kyto microcontroller family</source>
        <translation>适用于 Kyto 系列微控制器</translation>
    </message>
</context>
</TS>
