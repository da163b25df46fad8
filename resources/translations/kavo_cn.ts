<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>更新内容</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>此版本的 Kavo 未提供更新内容页面。</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>此版本的 Kavo 未提供网站地址。</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>此桌面无法以软件方式绘制鼠标光标：光标将保持原样。</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>第 %1 行不符合“程序 = 色温 亮度”格式：%2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>重启电脑</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo 做了一处小改动，以支持更低的数值。您需要重启一次电脑才能使用全部功能。</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>部分功能受限，因为您需要重启电脑。您当前正在使用高层颜色 API。</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>全部复制</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>点击将文本复制到剪贴板</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Kavo 颜色效果</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>颜色效果初始化失败。</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>工作/休息</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>重置计时器</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>暂停/继续</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>计时器已暂停</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>点击将文本复制到剪贴板</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>检测到的当前时钟时间</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>本地时间</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>UTC 时间</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>日间开始时间</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>日间过渡开始时间</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>日间过渡结束时间</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>日间结束时间</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>夜间开始时间</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>夜间过渡开始时间</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>夜间过渡结束时间</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>夜间结束时间</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>日间时长</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>日间过渡时长</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>夜间时长</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>夜间过渡时长</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>自定义时区偏移</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>日出时间</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>日落时间</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>新月偏移</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>满月偏移</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>当前月相偏移</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>就寝时间</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>就寝过渡开始时间</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>就寝过渡结束时间</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>就寝结束时间</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>起床时间</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>起床过渡开始时间</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>起床过渡结束时间</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>起床结束时间</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>睡眠时长</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>睡眠过渡时长</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>使用自动定位</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>使用手动夜间时长</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>位置未知：请手动设置</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>有新版本可用</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 现已推出</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>此版本的 Kavo 未提供更新服务器</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>更新服务器无响应</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>无法读取更新服务器的响应</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo 已是最新版本</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % 保持颜色不变；0 % 为灰色。</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>以软件方式绘制的光标会随屏幕颜色一起变化。</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>实时显示 Kavo 日志的窗口。再次点击即可关闭。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>全色弱</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>全色盲</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>允许 0 K（深红）到 10000 K（冷蓝）之间的数值。</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>允许 10 % 到 150 % 之间的数值。</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>应用上方的饱和度。</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>立即向更新服务器查询一次，不受上方设置影响。</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>自动更新</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>自动保存设置更改</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>就寝时间：</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>生物黑客</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>严格模式下锁定键盘</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>蓝光</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>日落后的亮度。在昏暗的房间里，较暗的屏幕对眼睛的负担更小。</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>日间亮度，以屏幕最大亮度的百分比表示。</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>睡眠时段的亮度。</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>仅在首次打开时创建此窗口，以节省内存和启动时间。</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>对每条新的伽马曲线稍作改动，使会忽略重复曲线的显卡驱动重新应用 Kavo 的颜色，例如在游戏重置颜色之后。</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>立即检查</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>选择页面</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>选择 Kavo 要调整的显示器，以及每台显示器是否使用独立的颜色。</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType（备用渲染器）</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>点击将文本复制到剪贴板</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>关闭窗口时将其隐藏，而不是最小化。</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>配色方案</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>色温</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>日落后的色温。晚间的暖色光对睡眠更友好。</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>日间色温。6500 K 为中性；数值越低，颜色越暖，蓝光越少。</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>睡眠时段的色温。</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>暗色</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>日间亮度</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>日间光线</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>日间色温</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>日间过渡：</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>调试控制台</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>调试信息</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>东经度数；西经为负数。</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>北纬度数；南纬为负数。</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>去饱和</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>绿色弱</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>绿色盲</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>严格休息期间键盘不起作用。</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>每按一次，屏幕就再放大一点。</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>每</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>每种语言都以其本身的文字显示名称。</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>扩展范围</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>字体平滑方式</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>满月偏移：</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>全屏颜色滤镜：灰度、反色、棕褐色和色觉滤镜。</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>为每台显示器设置独立的色温和亮度；通过上方的标签页选择显示器。</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>红色灰度</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>灰度 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>灰度 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>灰度 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>健康</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>关闭时隐藏任务栏图标</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Kavo 与桌面的集成方式。</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Kavo 如何在屏幕上保持其颜色。</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Kavo 如何保存设置，以及如何察觉您已离开。</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>色温如何转换为屏幕颜色。</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>屏幕在日间和夜间的亮度。</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Kavo 暂停、继续或切换模式、类型时，颜色渐变所需的时间。</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>切换到日间所需的时间：以日出为中心，或在按时钟设定的夜间结束时完成。</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>切换到夜间所需的时间：以日落为中心，或在按时钟设定的夜间开始时完成。</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>进入和退出睡眠时段所需的时间；分别在就寝时间和起床时间完成。</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>屏幕在日间和夜间发出的蓝光量。</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>满月时夜间和日间提前开始的时间。</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>新月时夜间和日间提前开始的时间。</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Kavo 运行期间再次检查的频率。</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>颜色在日间、夜间和睡眠之间变化的快慢。</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>系统如何平滑文字边缘。</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>反转颜色</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo 可以检查新版本，并在新版本发布时通知您。</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo 会跟随您所在位置的太阳变化。若未设置位置，它会自动查找。</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo 对系统进行了一些更改，需要重新启动 Kavo 才能生效。</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo 对系统进行了一些更改，需要重启电脑才能生效。</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo 守护您的眼睛：夜间使用更柔和的颜色，并提醒您休息。</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Kavo 版本、您的系统和桌面以及所有设置。点击文本即可复制。</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>始终使用夜间亮度，而不跟随太阳变化。</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>始终使用夜间数值，而不跟随太阳变化。</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>让 Kavo 在后台等待时保持轻量。</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>按键视为您在场：约 20 分钟无按键后，休息计时器停止，您回来后重新开始。</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>键盘无操作</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>纬度：</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>主导颜色</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>让 Kavo 设置上方的频率。</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>新版本发布时让 Kavo 通知您。</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>线性</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>线性蓝</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>经度：</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Kavo 启动时检查新版本，之后定期检查。与其他设置一同保存。</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>手动检查</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>放大镜</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>管理显示器</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>手动亮度</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>手动蓝光</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>手动颜色设置</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>手动位置</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>手动夜间时长</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>许多屏幕通过快速开关背光（PWM）来调暗亮度。频率越高，闪烁越少。</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>最高频率</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>显示器 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>显示器 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>显示器 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>显示器 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>显示器 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>显示器 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月相</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>鼠标无操作</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>鼠标移动视为您在场：约 20 分钟无移动后，休息计时器停止，您回来后重新开始。</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>电影</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>减弱或增强整个屏幕的颜色。</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>负片红色灰度</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>负片灰度</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>负片棕褐色</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>新月偏移：</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>新闻、帮助和最新版本。</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>夜间亮度</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>夜间光线</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>夜间色温</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>夜间过渡：</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>夜间结束于：</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>夜间开始于：</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>无平滑</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>用于下方的过渡时间；太阳日程本身遵循系统时区。</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>老照片</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>打开或关闭</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>打开网站</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>优化界面创建</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>覆盖层</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>PWM 控制</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>PWM 频率</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>PWM 控制</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>暂停过渡：</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>按显示器设置</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>预览 24 小时</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>高效</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>编程</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>红色弱</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>红色盲</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>阅读</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>需要重新启动 Kavo</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>立即重新启动</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>需要重启电脑</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>立即重启</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>恢复颜色</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>保存并关闭</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>关闭窗口时保存更改。若未开启，关闭窗口将恢复已保存的设置。</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>日程</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>屏幕</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>屏幕效果</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>屏幕效果</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>发送使用统计</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>棕褐色</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>每次颜色更新时重新设置频率，适用于会丢失频率设置的屏幕。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>查看更新内容</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>简洁</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>简单反色</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>简洁视图</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>睡眠</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>睡眠亮度</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>睡眠光线</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>睡眠过渡：</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>智能反色 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>智能反色 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>智能反色 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>智能反色 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>智能反色 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>开机时启动 Kavo</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>登录时启动 Kavo。</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>按时钟而非太阳来开始和结束夜间。</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>逐步缩小，直到屏幕恢复正常大小。</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>严格</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>太阳镜</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>交换颜色</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>此版本 Kavo 的更新内容。</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>屏幕在日间和夜间的色温，以及反转颜色。</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>在暖色温下保持最强的颜色。</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>覆盖整个屏幕的滤镜。</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>PWM 控制开启时 Kavo 设置的频率。请向屏幕制造商咨询其支持的频率。</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>滑块提供的最高频率，单位为赫兹。</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Kavo 的窗口、菜单和消息所用的语言。</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>月相会调整太阳日程：夜间和日间会提前开始，提前量随着月亮渐圆从新月值变为满月值。</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>睡眠时段在此结束。</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>睡眠时段从此开始。</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Kavo 从暖到冷所遵循的颜色表。</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>此屏幕不支持 Kavo 的 PWM 控制：配套程序 kavo_get_pwm_frequency 缺失或未报告频率。</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>此桌面未向 Kavo 提供背光控制：屏幕亮度保持不变。</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>此桌面的夜间模式只显示色温：配色方案、主导颜色和屏幕效果需要伽马曲线。</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>时区偏移：</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>过渡</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>蓝色弱</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>蓝色盲</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>开启或关闭所选滤镜。</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>持续更新</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>使用高级设置</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>使用伽马修复</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>使用软件鼠标光标</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>使用下方坐标，而非自动查找到的位置。</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>在就寝时间到起床时间之间使用睡眠颜色。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>起床时间：</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>睡前几个小时使用更暖、更暗的颜色。</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>褪色 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>褪色 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>褪色 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>更新内容</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>寻求帮助时需要发送的信息。除非您主动发送，否则任何内容都不会离开您的电脑。</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Kavo 计算日出和日落时间所用的位置。</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>如果桌面环境自行决定字体平滑，此选项无效。</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>您打开了哪些页面和窗口，每次使用新的随机编号，绝不包含您的姓名或地址。仅当此版本的 Kavo 提供统计地址时才会发送。</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>放大：</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>缩小：</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>以鼠标指针为中心放大整个屏幕。</translation>
    </message>
    <message>
        <source>day</source>
        <translation>天</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>已隐藏</translation>
    </message>
    <message>
        <source>month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>每分钟</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>已显示</translation>
    </message>
    <message>
        <source>until</source>
        <translation>距下次</translation>
    </message>
    <message>
        <source>week</source>
        <translation>周</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>一分钟的练习，在屏幕角落逐步显示。</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>前台程序可使用专属颜色：看电影更亮，阅读更暖。</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>在休息和工作开始前的最后几秒发出短促提示音。</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>屏幕角落的小窗口，显示眨眼次数和摄像头画面。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>人工智能（AI）</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>自动点击器</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>自动关闭休息屏幕</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>自动亮度</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>背部练习</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>眨眼检测</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>眨眼计数窗口</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>休息间隔</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>正在点击</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>在指针所在位置反复点击鼠标左键。</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>颜色暂停程序</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>颜色触发器</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>以下程序显示时暂停颜色变化：适用于绘图、照片和电影。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>准备好后请继续。</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>统计您每分钟的眨眼次数。盯着屏幕时人们眨眼会变少，计数可以提醒您。</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>无论上方设置了哪些快捷键，Ctrl+Alt+Shift+F10 都会重置所有设置，Ctrl+Alt+Shift+F11 退出 Kavo，Ctrl+Alt+Shift+F12 重置颜色。</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>降低亮度</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>降低色温</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>屏幕显示明亮内容时稍微调暗屏幕。</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>结束屏幕覆盖层</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>眼部练习</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>全屏应用</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>休息一下</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>当前前台程序</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>即将休息</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>提高亮度</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>提高色温</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>屏幕主要显示明亮内容时反转颜色。</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo 会根据房间环境和屏幕内容调整屏幕。摄像头画面和截图仅用于测量，随即丢弃：绝不会被保存或发送到任何地方。</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo 在所有程序中响应其快捷键。</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo 提醒您让眼睛休息：每工作一段时间后短暂休息。</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Kavo 版本</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>让屏幕亮度与周围环境保持一致。</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>在任何程序中都能触发 Kavo 的组合键。</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>精简</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>“精简”是显示剩余时间的纯暗色遮罩。“简洁”和“标准”为完整页面；“标准”还会显示时钟和休息建议。</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>将视线移开屏幕，让眼睛放松一下。</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>远眺、转动眼球、眨眼：整天盯着屏幕的眼睛最需要这些。</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>手动或自动</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>亮度匹配环境光</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>两次点击之间的毫秒数，至少为 10。</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>工作的分钟数，然后是休息的秒数。</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>鼠标暂停程序</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>颈部练习</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>普通休息可以跳过，严格休息则不能。“高效”只显示一个小倒计时，而不覆盖屏幕。</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>每行一个程序，使用其运行时的名称（vlc、kmplayer）。在名称后添加 fullscreen，则仅在该程序全屏时暂停。</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>每行一个程序，名称须与运行时完全一致（vlc、bsplayer）。</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>每行一个程序，名称须与运行时完全一致（vlc、kmplayer）。</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>每行一个程序：名称 = 色温 亮度，例如 vlc = 6500 120。色温 0 到 10000 K，亮度 10 到 150 %。</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>列表中的程序显示时暂停颜色变化。</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>任何程序全屏时暂停颜色变化。</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>暂停或继续 Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>暂停或继续计时器</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>推迟</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>推迟时长</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>请按下新的组合键</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>程序和颜色</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>退出 Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>休息屏幕</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>开启或关闭屏幕效果</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>覆盖层</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>传感器</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>缓慢转动和侧倾，舒缓长时间保持同一姿势的颈部。</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>智能亮度</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>智能反色</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>开始休息</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>开启屏幕覆盖层</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>可在此处、托盘菜单中或退出 Kavo 来停止。</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>列表中的程序显示时停止休息计时器。</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>任何程序全屏时停止休息计时器。</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>站在桌旁就能做的伸展运动。</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>列表中的程序显示时关闭软件光标。</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>任何程序全屏时关闭软件光标。</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>休息前十秒，Kavo 会提供将休息推迟这么多分钟的选项。</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>以下程序显示时休息计时器停止：适用于电影、演示和通话。</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>摄像头测量房间光线，亮度每秒随之微调。</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>您正在使用的程序，以列表中的名称显示。</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>休息结束</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>以下程序显示时隐藏软件光标：游戏会自行绘制光标。</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>这是严格休息：它会自动结束。</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>该休息了</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>计时器暂停程序</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>计时器类型</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>使用提示音</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>列表中的程序位于前台时，使用列表中的颜色。</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>使用第一个摄像头测量房间光线和眨眼次数。</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>休息期间覆盖显示器的内容。</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>快捷键执行的操作。</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>休息结束后立即开始工作。若未开启，休息屏幕会等待您继续。</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>工作</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>距离休息</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b 表示 enable 或 disable，%d 表示整数，%f 表示数字，%s 表示单词。点击咒语可将其复制到输入框。</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>执行</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>再次点击以重置所有设置</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>输入咒语：</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>隐藏功能</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>将设置迁移到另一台电脑，或保留一份副本。</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>设置已导出</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>设置文件</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>咒语</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>咒语可以更改页面上没有控件的设置。同样的咒语也可在命令行中使用：kavo &quot;type dark&quot;。</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>在屏幕上覆盖一层半透明的彩色图层，比单纯调整颜色更能调暗和着色屏幕；点击可穿透该图层。</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>日间调暗</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>日间不透明度</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>周围区域的暗度。</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>夜间图层颜色的加深程度。</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>日间图层颜色的加深程度。</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>夜间图层对屏幕的遮盖程度。</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>日间图层对屏幕的遮盖程度。</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>靛蓝色</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>在屏幕上保留一个明亮区域，并调暗其周围；点击可穿透。</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>柠檬黄</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>聚光灯</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>洋红色</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>夜间调暗</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>夜间不透明度</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>覆盖层颜色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>半径</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>重置区域</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>猩红色</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>屏幕覆盖层</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>选择区域，然后在屏幕上拖动：该区域将不被覆盖。按 Esc 取消。</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>选择区域</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>显示图层。</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>显示明亮区域。</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>图层的颜色。</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>明亮区域的大小。</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>此桌面仅在您空闲时显示此效果：无操作两秒后，一张应用了该效果的屏幕图像会覆盖屏幕，直到您按下按键或移动鼠标。</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>此效果会立即显示。</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>绿松石色</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫罗兰色</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>明亮区域在屏幕上的水平位置。</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>明亮区域在屏幕上的垂直位置。</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>设置已导入</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>设置未导入</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 与 %2 冲突</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 与 %2 的颜色调整相冲突，您可能会看到颜色时开时关地闪烁。
%2 会自动关闭此类应用，但如果问题仍然存在，请卸载其中一个应用。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>剩余 %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>未找到摄像头</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>未找到物体检测器</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>无效的咒语</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>咒语“%1”似乎有误。请检查语法，或尝试其他隐藏功能。
输入 &quot;help&quot; 可查看所有隐藏功能的列表 :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>隐藏功能已执行</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 执行成功</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>无效的色温</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 不是有效的色温值。请使用 0 到 10000 之间的数字。</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>色温已更改</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>色温已更改为 %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>无效的亮度</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 不是有效的亮度值。请使用 10 到 100 之间的数字。</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>亮度已更改</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>亮度已更改为 %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>无效的夜间开始时间</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 不是有效的夜间开始时间。请使用 0 到 24 之间的数字。</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>夜间开始时间已更改</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>手动夜间开始时间已更改为 %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>无效的夜间结束时间</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 不是有效的夜间结束时间。请使用 0 到 24 之间的数字。</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>夜间结束时间已更改</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>手动夜间结束时间已更改为 %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo 正在切换到 %1 类型</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>稍后您就会看到屏幕的变化 :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>通知已启用</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>隐藏功能通知已启用。咒语生效时会显示通知，让您知道。</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>通知已禁用</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>隐藏功能通知已禁用。这是您将看到的最后一条通知。</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>伽马修复已启用</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>伽马修复已启用。如果您发现颜色每秒都有轻微变化，请再次禁用伽马修复。之所以使用伽马修复，是因为 Windows 有时会忽略 Kavo mini 的更改。</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>伽马修复已禁用</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>伽马修复已禁用。如果屏幕突然变亮，请重新启用它，或多次点击 Kavo mini 图标。两种方法都能让 Kavo 重新调整屏幕颜色。</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>软件光标已启用</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>颜色调整也将应用于光标。如果光标开始消失，请使用 &quot;disable software cursor&quot; 让它重新变亮。</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>硬件光标已启用</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>颜色调整将不应用于光标。如果您不喜欢夜间明亮的蓝色光标，请使用 &quot;enable software cursor&quot;，让颜色调整也应用于光标。</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>冲突应用已启用</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>冲突应用已启用。您现在可以使用其他会更改屏幕颜色的软件。</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>冲突应用已禁用</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>冲突应用已禁用，以免引起闪烁。</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>显示器 %1 已禁用</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo 将不再调整显示器 %1 的颜色</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>显示器 %1 已启用</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo 将调整显示器 %1 的颜色</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>色彩范围已扩展</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>色彩范围已扩展。如果较低的数值有问题，请尝试重启电脑。如果问题仍然存在，请将您电脑的信息告诉我们，以便我们测试并修复。</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>扩展色彩范围失败</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>扩展色彩范围失败：需要管理员权限才能执行此操作</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>应用文件夹中没有卸载程序</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>“%1”中没有卸载程序
 您可以退出 %2 并手动删除该文件夹</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>伽马保留已启用</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>从现在起 Kavo 将保留您的颜色校准。关闭并重新启动 Kavo mini 后，它将在日间保留您的颜色</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>伽马保留已禁用</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>从现在起 Kavo 将不再保留您的颜色校准，而是使用显示器的默认设置</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>开机启动已启用</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>打开电脑时将启动 Kavo mini</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>开机启动已禁用</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>打开电脑时将不再启动 Kavo mini</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>托盘图标旋转已启用</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Kavo 调整屏幕颜色时托盘图标将旋转。这用于提示 Kavo mini 正在调整颜色、屏幕颜色尚未稳定</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>托盘图标旋转已禁用</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Kavo 调整屏幕颜色时托盘图标将不再旋转。此功能用于提示 Kavo mini 正在调整颜色、屏幕颜色尚未稳定</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>重置颜色</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>屏幕颜色已重置为默认值</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>重置设置</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Kavo 设置已重置为默认值</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>键盘钩子已启用</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>键盘钩子已启用。您现在可以使用全局快捷键。</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>键盘钩子已禁用</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>键盘钩子已禁用。部分快捷键和功能可能无法正常工作</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>键盘快捷键已启用</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>键盘快捷键已启用。您现在可以使用 Kavo 快捷键。</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>键盘快捷键已禁用</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>键盘快捷键已禁用。Kavo 快捷键将不起作用</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>紧急快捷键已启用</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>紧急快捷键已启用。您现在可以使用 Kavo 紧急快捷键。</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>紧急快捷键已禁用</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>紧急快捷键已禁用。Kavo 紧急快捷键将不起作用</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>所有键盘快捷键和钩子已启用</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>所有键盘快捷键和钩子已启用。您现在可以使用全局快捷键、Kavo 快捷键和紧急快捷键。</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>所有键盘快捷键和钩子已禁用</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>所有键盘快捷键和钩子已禁用。全局快捷键、Kavo 快捷键和紧急快捷键将不起作用</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>手动色温已启用</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>您现在使用的是 Kavo 混合模式</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>手动色温已禁用</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo 将重新按您选择的模式调整色温</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>手动亮度已启用</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>您现在使用的是 Kavo mini 混合模式</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>手动亮度已禁用</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini 将重新按您选择的模式调整亮度</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>零蓝光</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>已去除屏幕上的所有蓝光</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反色</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>颜色已反转</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>手动位置已启用</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini 将使用您手动设置的位置。请通过隐藏功能设置纬度和经度</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>手动位置已禁用</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini 将使用自动定位。位置用于计算太阳位置以及日间和夜间时长</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>纬度已更改</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>纬度已更改为 %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>经度已更改</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>经度已更改为 %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>手动夜间时长已启用</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini 将使用手动夜间时长。请通过隐藏功能设置开始和结束时间</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>手动夜间时长已禁用</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini 将根据位置自动计算夜间时长。位置用于计算太阳位置以及日间和夜间时长</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>未选择要导出的文件</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>无法写入导出文件：%1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>设置已导出到 %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>未选择要导入的文件</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>无法打开要导入的文件</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>文件过大，无法导入（超过 1 MiB）：%1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>设置过大，无法导入（超过 1 MiB）</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>不是 Kavo 设置文件：文件开头没有 &quot;#Created by&quot; 标头</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>没有可导入的设置：文件中没有 Kavo 可识别的设置</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>无法写入设置：导入的内容未保存</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>已导入 %1 项设置</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>，已忽略 %1 个未知键</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>，已跳过 %1 行无效内容</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>距离工作还有 %1</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>距离休息还有 %1</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 提醒您：%2 分钟后将进行长休息。</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 提醒您：30 秒后将进行长休息。</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>即将进行长休息</translation>
    </message>
    <message>
        <source>work</source>
        <translation>工作</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>回到工作</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>向前弯腰，让双臂自然下垂。</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>经常眨眼：看屏幕时我们常常忘记眨眼。</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>快速眨眼几秒钟，然后闭上眼睛。</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>%1 后开始休息</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>将下巴贴近胸口，再慢慢抬起。</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>闭上眼睛，缓慢呼吸。</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>喝一杯水。</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>按 Esc 保留快捷键，按 Backspace 删除快捷键。</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>隐藏摄像头画面</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>请同时按住 Ctrl、Alt 或 Meta 键。</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo 无法在快捷键中使用此按键。</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>注视至少六米以外的物体。</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>注视远处的物体，如果可以，请望向窗外。</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>依次向上、下、左、右看，每个方向保持一次呼吸的时间。</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>显示器 %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>双手叉腰，轻轻向后仰。</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>向后转动肩膀几次。</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>向后转动肩膀五次。</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>显示摄像头画面</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>缓慢地转动眼球画圈，然后反方向再转一圈。</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>站起来，将双臂举过头顶。</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>站起来，双臂举过头顶伸展。</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>第 %1 步 / 共 %2 步</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>摄像头已关闭</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>将头向两侧倾斜，让耳朵靠近肩膀。</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>将头慢慢转向左侧并保持，然后转向右侧。</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>将上身缓慢地向两侧扭转。</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>眨眼检测已关闭</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>距离工作</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Kavo 设置文件 (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>保存文件...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>打开文件...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>无法显示此窗口：缺少 Kavo 的网页组件。</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>缺少摄像头功能</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>无法保存设置</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland 不允许任何程序替用户点击：自动点击器不可用。</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland 不允许任何程序绘制鼠标指针：软件光标不可用。</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland 不向普通程序提供屏幕画面：在您空闲时处理画面的效果不可用。</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME 不告诉任何程序哪个窗口在前台（这需要 Shell 扩展）：暂停和触发器无法识别程序。</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>此合成器不告诉任何程序哪个窗口在前台：暂停和触发器无法识别程序。</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>此桌面不报告您何时空闲：空闲不会停止计时器。</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>此桌面不把按键交给其他程序：请在合成器的配置中绑定每个快捷键，例如在 sway 中写 &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot;，或在 Hyprland 中写 &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot;（kavoctl --help 列出所有动作）。</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>此桌面不允许任何窗口位于一切之上：覆盖层的颜色通过屏幕颜色实现，亮光点不显示。</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>此桌面不允许任何程序占用键盘：严格休息无法阻止其他程序接收按键。</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>此桌面没有托盘（没有 StatusNotifierWatcher）：再次启动 Kavo 即可打开其窗口。</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>自定义(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>健康(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>睡眠(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>阅读(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>生物黑客(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>太阳镜(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>暗色(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>电影(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>覆盖层(&amp;O)</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>颜色暂停程序</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>计时器暂停程序</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>鼠标暂停程序</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>切换模式(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>自动(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>手动(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>已暂停(&amp;P)</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>停止自动点击器</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
