<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FormConfiguration</name>
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
    <!-- The cancel button of the download progress window keeps Qt's own text. -->
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
</TS>
