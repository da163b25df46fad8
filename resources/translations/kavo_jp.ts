<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>新機能</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>このビルドの Kavo には変更内容のページがありません。</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>ウェブサイト</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>このビルドの Kavo にはウェブサイトが設定されていません。</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>このデスクトップではソフトウェアでマウスカーソルを描画できません。カーソルはそのままになります。</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>%1 行目が「プログラム = 色温度 明るさ」の形式ではありません: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>PC を再起動してください</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>より低い値を使えるよう、Kavo がシステムに小さな変更を加えました。すべての機能を使うには、PC を一度再起動する必要があります。</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>PC の再起動が必要なため、一部の機能が制限されています。現在は高レベルの色 API を使用しています。</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>すべてコピー</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>クリックしてテキストをクリップボードにコピー</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Kavo カラー効果</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>カラー効果を初期化できませんでした。</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
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
        <translation>時間</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>作業/休憩</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>タイマーをリセット</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>一時停止/再開</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>タイマー一時停止中</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>クリックしてテキストをクリップボードにコピー</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>検出された現在時刻</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>現地時刻</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>UTC 時刻</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>日中の開始時刻</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>日中への移行の開始時刻</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>日中への移行の終了時刻</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>日中の終了時刻</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>夜間の開始時刻</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>夜間への移行の開始時刻</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>夜間への移行の終了時刻</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>夜間の終了時刻</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>日中の長さ</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>日中への移行時間</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>夜間の長さ</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>夜間への移行時間</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>カスタムのタイムゾーン オフセット</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>日の出の時刻</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>日の入りの時刻</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>新月のオフセット</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>満月のオフセット</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>現在の月のオフセット</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>就寝時刻</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>就寝への移行の開始時刻</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>就寝への移行の終了時刻</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>就寝の終了時刻</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>起床時刻</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>起床への移行の開始時刻</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>起床への移行の終了時刻</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>起床の終了時刻</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>睡眠時間</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>睡眠への移行時間</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>位置情報を自動で取得</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>夜間の長さを手動で設定</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>位置情報が不明です: 手動で設定してください</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>新しいバージョンがあります</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 が利用可能です</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>このビルドの Kavo には更新サーバーが設定されていません</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>更新サーバーから応答がありません</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>更新サーバーの応答を読み取れませんでした</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo は最新です</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % では色はそのまま、0 % ではグレーになります。</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>ソフトウェアで描画したカーソルは画面の色に合わせて変わります。</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Kavo のログを書き込まれるそばから表示するウィンドウです。もう一度クリックすると閉じます。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>不完全1色覚</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>1色覚</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>0 K (深い赤) から 10000 K (冷たい青) までの値を使えます。</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>10 % から 150 % までの値を使えます。</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>上の彩度を適用します。</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>上の設定にかかわらず、更新サーバーに一度問い合わせます。</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>自動更新</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>設定の変更を自動保存</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>就寝時刻:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>バイオハッカー</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>厳格モードでキーボードをロック</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>ブルーライト</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>日没後の明るさです。暗い部屋では、画面を暗くすると目の負担が減ります。</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>日中の明るさです。画面の最大の明るさに対するパーセントで指定します。</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>睡眠時間帯の明るさです。</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>このウィンドウを初めて開いたときに作成し、メモリと起動時間を節約します。</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>新しいガンマ ランプを毎回わずかに変えて、同じランプの繰り返しを無視するディスプレイ ドライバーにも Kavo の色を適用させます (ゲームが色をリセットした後など)。</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>今すぐ確認</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>ページを選択</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Kavo が変更するモニターと、モニターごとに個別の色を使うかどうかを選びます。</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType (別のレンダラー)</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>クリックしてテキストをクリップボードにコピー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>ウィンドウを閉じると、最小化せずに非表示にします。</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>カラー スキーム</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>色温度</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>日没後の色温度です。夜の暖かい光は睡眠への影響が少なくなります。</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>日中の色温度です。6500 K がニュートラルで、値を下げるほど暖かい色になり、ブルーライトが減ります。</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>睡眠時間帯の色温度です。</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>日中の明るさ</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>日中の光</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>日中の色温度</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>日中への移行:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>デバッグ</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>デバッグ コンソール</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>デバッグ情報</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>東経 (度)。西経は負の値です。</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>北緯 (度)。南緯は負の値です。</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>彩度低下</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>2型3色覚</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>2型2色覚</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>厳格な休憩中はキーボードが無効になります。</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>1 段階ごとに画面を少しずつ拡大します。</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>各言語はその言語自身の名前で表示されます。</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>拡張範囲</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>フォントのスムージング</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>満月のオフセット:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>画面全体のカラー フィルター: グレースケール、反転、セピア、色覚フィルター。</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>モニターごとに色温度と明るさを個別に設定します。モニターは上のタブで選びます。</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>グレースケール (赤)</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>グレースケール 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>グレースケール 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>グレースケール 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
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
        <translation>閉じるときにタスクバーのアイコンを隠す</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>デスクトップでの Kavo の動作です。</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Kavo が画面の色を保つ方法です。</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Kavo が設定を保存する方法と、離席を検出する方法です。</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>色温度を画面の色に変換する方法です。</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>日中と夜間の画面の明るさです。</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Kavo の一時停止、再開、モードやタイプの変更時に、色がなめらかに変わる時間です。</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>日中への移行にかかる時間です。日の出を中心に行うか、時刻指定の夜間の終了時に完了します。</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>夜間への移行にかかる時間です。日没を中心に行うか、時刻指定の夜間の開始時に完了します。</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>睡眠時間帯への移行と、そこからの移行にかかる時間です。それぞれ就寝時刻と起床時刻に完了します。</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>日中と夜間に画面が出すブルーライトの量です。</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>満月のときに夜間と日中がどれだけ早く始まるかです。</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>新月のときに夜間と日中がどれだけ早く始まるかです。</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>実行中の Kavo が再確認する間隔です。</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>日中、夜間、睡眠の間で色が変わる速さです。</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>システムが文字の輪郭をなめらかにする方法です。</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>色を反転</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo は新しいバージョンを確認し、公開されたときにお知らせできます。</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo は現在地の太陽の動きに合わせます。位置情報を設定していない場合は自動で調べます。</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo がシステムに変更を加えました。変更を反映するには Kavo の再起動が必要です。</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo がシステムに変更を加えました。変更を反映するには PC の再起動が必要です。</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo はあなたの目を守ります。夜は目にやさしい色にし、休憩をお知らせします。</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Kavo のバージョン、システムとデスクトップ、すべての設定です。テキストをクリックするとコピーされます。</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>太陽の動きに合わせず、常に夜間の明るさを使います。</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>太陽の動きに合わせず、常に夜間の値を使います。</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>バックグラウンドで待機中の Kavo を軽く保ちます。</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>キー入力を在席とみなします。キー入力がないまま約 20 分たつと休憩タイマーが止まり、戻ると再開します。</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>キーボードの無操作</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>緯度:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>優先色</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>上の周波数を Kavo に設定させます。</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>新しいバージョンが公開されたら Kavo がお知らせします。</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>リニア</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>リニア ブルー</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置情報</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>経度:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Kavo の起動時と、その後定期的に新しいバージョンを確認します。他の設定と一緒に保存されます。</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>手動で確認</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>拡大鏡</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>モニターの管理</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>明るさを手動で設定</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>ブルーライトを手動で設定</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>色を手動で設定</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>位置情報を手動で設定</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>夜間の長さを手動で設定</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>多くの画面は、バックライトを高速でオン/オフ (PWM) して暗くします。周波数が高いほどちらつきが少なくなります。</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>最大周波数</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>モニター 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>モニター 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>モニター 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>モニター 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>モニター 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>モニター 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>マウスの無操作</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>マウスの動きを在席とみなします。動きがないまま約 20 分たつと休憩タイマーが止まり、戻ると再開します。</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>画面全体の色を弱めたり強めたりします。</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>グレースケール (赤、ネガ)</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>グレースケール (ネガ)</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>セピア (ネガ)</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>新月のオフセット:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>ニュース、ヘルプ、最新バージョン。</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>夜間の明るさ</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>夜間の光</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>夜間の色温度</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>夜間への移行:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>夜間の終了時刻:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>夜間の開始時刻:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>スムージングなし</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>下の移行時刻の表示に使われます。太陽のスケジュール自体はシステムのタイムゾーンに従います。</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>古い写真</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>開く/閉じる</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>ウェブサイトを開く</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>UI の作成を最適化</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>オーバーレイ</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>PWM 制御</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>PWM 周波数</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>PWM 制御</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>一時停止時の移行:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>モニターごとの設定</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>24 時間をプレビュー</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>集中</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>プログラミング</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>1型3色覚</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>1型2色覚</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>読書</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Kavo の再起動が必要です</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>PC の再起動が必要です</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>今すぐ PC を再起動</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>色を元に戻す</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>保存して閉じる</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>ウィンドウを閉じるときに変更を保存します。オフの場合、ウィンドウを閉じると保存済みの設定に戻ります。</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>画面</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>画面効果</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>画面効果</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>使用状況の統計を送信</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>セピア</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>画面が周波数を失う場合に備え、色を更新するたびに周波数を設定し直します。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>変更内容を表示</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>シンプル</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>シンプル反転</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>シンプル表示</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>睡眠</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>睡眠時の明るさ</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>睡眠時の光</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>睡眠への移行:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>スマート反転 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>スマート反転 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>スマート反転 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>スマート反転 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>スマート反転 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>ログイン時に Kavo を起動</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>ログインしたときに Kavo を起動します。</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>太陽ではなく時刻で夜間を開始・終了します。</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>画面が通常のサイズに戻るまで段階的に縮小します。</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>厳格</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>サングラス</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>色の入れ替え</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>このバージョンの Kavo での変更点です。</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>日中と夜間の画面の色温度と、色の反転です。</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>暖かい色温度でも最も強く残る色です。</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>画面全体にかけるフィルターです。</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>PWM 制御がオンのときに Kavo が設定する周波数です。対応する周波数は画面のメーカーにお問い合わせください。</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>スライダーで選べる最大の周波数 (ヘルツ) です。</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Kavo のウィンドウ、メニュー、メッセージの言語です。</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>月は太陽のスケジュールをずらします。夜間と日中はオフセットの分だけ早く始まり、オフセットは月が満ちるにつれて新月の値から満月の値へ変わります。</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>睡眠時間帯はここで終わります。</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>睡眠時間帯はここから始まります。</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Kavo が暖色から寒色までたどる色の表です。</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>この画面では Kavo が PWM を制御できません。補助プログラム kavo_get_pwm_frequency が見つからないか、周波数を報告しません。</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>このデスクトップは Kavo にバックライトを提供していません。画面の明るさはそのままです。</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>このデスクトップのナイトライトは色温度だけを表示します。配色、主要色、画面効果にはガンマランプが必要です。</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>タイムゾーン オフセット:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>移行</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>3型3色覚</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>3型2色覚</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>選んだフィルターをオン/オフにします。</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>タイプ</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>継続的に更新</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>詳細設定を使う</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>ガンマ修正を使う</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>ソフトウェア マウスカーソルを使う</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>調べた位置情報の代わりに下の座標を使います。</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>就寝時刻から起床時刻までは睡眠時の色を使います。</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>起床時刻:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>寝る前の時間帯に、より暖かく暗い色にします。</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>ウォッシュアウト 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>ウォッシュアウト 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>ウォッシュアウト 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>ウェブサイト</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>新機能</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>サポートを依頼するときに送る情報です。送信しない限り、何もこのコンピューターの外には出ません。</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Kavo が日の出と日の入りを計算する場所です。</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>デスクトップ側でフォントのスムージングを決めている場合、この設定は効果がありません。</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>開いたページとウィンドウを、毎回新しい乱数の番号で送ります。名前やアドレスは送りません。このビルドの Kavo に統計の送信先がある場合のみです。</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>拡大:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>縮小:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>マウスポインターを中心に画面全体を拡大します。</translation>
    </message>
    <message>
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>非表示</translation>
    </message>
    <message>
        <source>month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>回/分</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>休憩</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>until</source>
        <translation>次の</translation>
    </message>
    <message>
        <source>week</source>
        <translation>週</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>1 分間のエクササイズを、画面の隅で順番に表示します。</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>前面のプログラムに専用の色を使います。映画は明るく、読書は暖かく。</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>休憩と作業が始まる直前の数秒間に短い音を鳴らします。</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>まばたきの回数とカメラの映像を表示する、画面の隅の小さなウィンドウです。</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>人工知能 (AI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>オートクリッカー</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>休憩画面を自動で閉じる</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>明るさの自動調整</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>背中のエクササイズ</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>まばたきの検出</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>まばたき画面</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>休憩の間隔</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>休憩</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>クリック中</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>ポインターの位置でマウスの左ボタンを繰り返しクリックします。</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>カラー一時停止</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>カラートリガー</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>これらのプログラムが表示されている間は色の変化を止めます。お絵描き、写真、映画などに。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>準備ができたら続けてください。</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>1 分あたりのまばたきの回数を数えます。画面を見つめているとまばたきが減るので、回数が注意を促します。</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>上のショートカットにかかわらず、Ctrl+Alt+Shift+F10 ですべての設定をリセット、Ctrl+Alt+Shift+F11 で Kavo を終了、Ctrl+Alt+Shift+F12 で色をリセットします。</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>明るさを下げる</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>色温度を下げる</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>明るい内容が表示されている間、画面を少し暗くします。</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>画面オーバーレイを終了</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>エクササイズ</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>目のエクササイズ</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>機能</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>全画面アプリ</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>休憩する</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>現在前面にあるプログラム</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>まもなく休憩</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>明るさを上げる</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>色温度を上げる</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>明るい内容が主に表示されている間、色を反転します。</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo は部屋の明るさと表示内容に合わせて画面を調整します。カメラの映像とスクリーンショットは測定後すぐに破棄され、保存も送信もされません。</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo はどのプログラムでもショートカットを受け付けます。</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo が目を休めるようお知らせします。作業のひと区切りごとに短い休憩を取りましょう。</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Kavo のバージョン</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>画面の明るさを周りの部屋の明るさに合わせます。</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>どのプログラムからでも Kavo を操作できるキーの組み合わせです。</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>ライトは残り時間を表示する暗い幕だけです。シンプルと標準は全画面のページで、標準では時計と休憩中のヒントも表示します。</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>画面から目を離して、目を休めましょう。</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>遠くを見る、目を回す、まばたきをする。一日中画面を見ている目には特に必要です。</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>手動/自動</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>明るさを照明に合わせる</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>クリックの間隔 (ミリ秒、10 以上)。</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>作業の分数と、休憩の秒数です。</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>マウス一時停止</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>首のエクササイズ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>通常の休憩はスキップできますが、厳格な休憩はできません。集中では画面を覆わず、小さなカウントダウンを表示します。</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>1 行に 1 つのプログラムを、実行時の名前 (vlc、kmplayer) で書きます。名前の後に fullscreen を付けると、全画面表示の間だけ止めます。</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>1 行に 1 つのプログラムを、実行時の名前どおりに (vlc、bsplayer) 書きます。</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>1 行に 1 つのプログラムを、実行時の名前どおりに (vlc、kmplayer) 書きます。</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>1 行に 1 つのプログラムを「名前 = 色温度 明るさ」の形で書きます。例: vlc = 6500 120。色温度は 0～10000 K、明るさは 10～150 % です。</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>リストのプログラムが表示されている間は色の変化を止めます。</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>いずれかのプログラムが全画面表示の間は色の変化を止めます。</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Kavo を一時停止/再開</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>タイマーを一時停止/再開</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>延期</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>延期する時間</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>新しいキーの組み合わせを押してください</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>プログラムと色</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Kavo を終了</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>休憩画面</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>画面効果のオン/オフ</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>オーバーレイ</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>センサー</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>同じ姿勢を続けた首のための、ゆっくりとした回旋と傾け。</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>明るさのスマート調整</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>スマート反転</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>休憩を開始</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>画面オーバーレイを開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>ここ、トレイ メニュー、または Kavo の終了で止められます。</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>リストのプログラムが表示されている間は休憩タイマーを止めます。</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>いずれかのプログラムが全画面表示の間は休憩タイマーを止めます。</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止中</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>机のそばで立ったままできるストレッチです。</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>リストのプログラムが表示されている間はソフトウェア カーソルをオフにします。</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>いずれかのプログラムが全画面表示の間はソフトウェア カーソルをオフにします。</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>休憩の 10 秒前に、この分数だけ休憩を延期するかどうか Kavo が尋ねます。</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>これらのプログラムが表示されている間は休憩タイマーが止まります。映画、プレゼンテーション、通話などに。</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>カメラで部屋の明るさを測り、毎秒少しずつ画面の明るさを合わせます。</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>使用中のプログラムです。リストでの名前で表示します。</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>休憩は終わりです</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>これらのプログラムが表示されている間はソフトウェア カーソルを消します。ゲームは独自のカーソルを描画するためです。</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>厳格な休憩です。自動で終了します。</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>休憩の時間です</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>タイマー一時停止</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>タイマーの種類</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>サウンドを使う</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>リストのプログラムが前面にある間は、リストの色を使います。</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>部屋の明るさとまばたきの回数に 1 台目のカメラを使います。</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>休憩中にモニターを覆う画面です。</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>ショートカットで実行する機能です。</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>休憩が終わるとすぐに作業を再開します。オフの場合、休憩画面は続行の操作を待ちます。</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>作業</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>休憩まで</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b は enable または disable、%d は整数、%f は数値、%s は単語です。呪文をクリックすると入力欄にコピーされます。</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>もう一度クリックするとすべての設定をリセットします</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>呪文を入力:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>隠し機能</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>設定を別のコンピューターに移したり、コピーを保存したりします。</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>既定値にリセット</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>設定をエクスポートしました</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>設定ファイル</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>呪文</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>呪文を使うと、ページに項目のない設定を変更できます。同じ呪文はコマンドラインでも使えます: kavo &quot;type dark&quot;</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>画面に半透明の色付きレイヤーを重ね、色の調整だけよりもさらに暗く色付けします。クリックはレイヤーを通り抜けます。</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>日中の暗さ</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>日中の不透明度</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>周囲の暗さです。</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>夜間にレイヤーの色をどれだけ暗くするかです。</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>日中にレイヤーの色をどれだけ暗くするかです。</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>夜間にレイヤーが画面を覆う度合いです。</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>日中にレイヤーが画面を覆う度合いです。</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>インディゴ</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>画面の一部を明るく残し、その周囲を暗くします。クリックは通り抜けます。</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>レモン</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>スポットライト</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>夜間の暗さ</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>夜間の不透明度</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>オーバーレイの色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>半径</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>範囲をリセット</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>スカーレット</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>画面オーバーレイ</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>「範囲を選択」を押してから画面上をドラッグすると、その範囲は覆われなくなります。Esc でキャンセルします。</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>範囲を選択</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>レイヤーを表示します。</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>明るい部分を表示します。</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>レイヤーの色です。</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>明るい部分の大きさです。</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>このデスクトップでは、操作していない間だけこの効果を表示します。2 秒間操作がないと、効果をかけた画面の画像が画面を覆い、キーを押すかマウスを動かすと消えます。</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>この効果はすぐに表示されます。</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>ターコイズ</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>バイオレット</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>明るい部分の横方向の位置です。</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>明るい部分の縦方向の位置です。</translation>
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
        <translation>黄</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>設定をインポートしました</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>設定をインポートできませんでした</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 は %2 と競合しています</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 は %2 の色の変更と競合するため、色がオン/オフを繰り返してちらつくことがあります。
%2 はこのようなアプリを自動的に終了しますが、それでも問題が続く場合はどちらかのアプリをアンインストールしてください。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>残り %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>カメラが見つかりません</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>物体検出器が見つかりません</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>無効な呪文</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>呪文「%1」が正しくないようです。構文を確認するか、別の隠し機能を試してください。
&quot;help&quot; と入力すると、すべての隠し機能の一覧を表示できます :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>隠し機能を実行しました</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 を実行しました</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>無効な色温度</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 は色温度として無効な値です。0～10000 の数値を使ってください。</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>色温度を変更しました</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>色温度を %1K に変更しました</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>無効な明るさ</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 は明るさとして無効な値です。10～100 の数値を使ってください。</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>明るさを変更しました</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>明るさを %1% に変更しました</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>無効な夜間の開始時刻</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 は夜間の開始時刻として無効な値です。0～24 の数値を使ってください。</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>夜間の開始時刻を変更しました</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>手動の夜間開始時刻を %1h に変更しました</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>無効な夜間の終了時刻</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 は夜間の終了時刻として無効な値です。0～24 の数値を使ってください。</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>夜間の終了時刻を変更しました</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>手動の夜間終了時刻を %1h に変更しました</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo を %1 タイプに切り替えています</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>しばらくすると画面の違いがわかります :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>通知を有効にしました</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>隠し機能の通知を有効にしました。呪文が成功したときに通知が表示されます。</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>通知を無効にしました</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>隠し機能の通知を無効にしました。これが最後に表示される通知です。</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>ガンマ修正を有効にしました</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>ガンマ修正を有効にしました。色が毎秒わずかに変わるようであれば、ガンマ修正を再び無効にしてください。Windows が Kavo mini の変更をときどき無視するため、ガンマ修正を使います。</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>ガンマ修正を無効にしました</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>ガンマ修正を無効にしました。画面が突然明るくなった場合は、再び有効にするか、Kavo mini のアイコンを何度かクリックしてください。どちらの方法でも Kavo が画面の色を変更し直します。</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>ソフトウェア カーソルを有効にしました</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>色の変更がカーソルにも適用されます。カーソルが見えにくくなった場合は、&quot;disable software cursor&quot; で明るく戻してください。</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>ハードウェア カーソルを有効にしました</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>色の変更はカーソルに適用されません。夜間の明るい青いカーソルが気になる場合は、&quot;enable software cursor&quot; でカーソルにも色の変更を適用してください。</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>競合するアプリケーションを有効にしました</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>競合するアプリケーションを有効にしました。画面の色を変更する他のソフトウェアを使えるようになりました。</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>競合するアプリケーションを無効にしました</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>ちらつきを防ぐため、競合するアプリケーションを無効にしました。</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>モニター %1 を無効にしました</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo はモニター %1 の色を変更しません</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>モニター %1 を有効にしました</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo はモニター %1 の色を変更します</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>色の範囲はすでに拡張されています</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>色の範囲はすでに拡張されています。低い値で問題がある場合は、PC を再起動してみてください。それでも問題が続く場合は、テストと修正のため、PC の情報を添えてご連絡ください。</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>色の範囲を拡張できませんでした</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>色の範囲を拡張できませんでした。実行には管理者権限が必要です</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>アプリのフォルダーにアンインストーラーがありません</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>「%1」にアンインストーラーがありません
 %2 を終了して、フォルダーを手動で削除してください</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>ガンマ保持を有効にしました</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>今後 Kavo は色のキャリブレーションを尊重します。Kavo mini を終了して再び起動すると、日中は色が保持されます</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>ガンマ保持を無効にしました</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>今後 Kavo は色のキャリブレーションを尊重せず、モニターの既定の設定を使います</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>自動起動を有効にしました</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>コンピューターの起動時に Kavo mini が起動します</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>自動起動を無効にしました</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>コンピューターの起動時に Kavo mini は起動しません</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>トレイ アイコンの回転を有効にしました</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Kavo が画面の色を変更している間、トレイ アイコンが回転します。Kavo mini が色を変更中で、画面の色がまだ定まっていないことを示します</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>トレイ アイコンの回転を無効にしました</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Kavo が画面の色を変更している間も、トレイ アイコンは回転しません。この機能は、Kavo mini が色を変更中で、画面の色がまだ定まっていないことを示すものです</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>色をリセット</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>画面の色を既定値にリセットしました</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>設定をリセット</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Kavo の設定を既定値にリセットしました</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>キーボード フックを有効にしました</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>キーボード フックを有効にしました。システム全体のショートカットを使えるようになりました。</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>キーボード フックを無効にしました</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>キーボード フックを無効にしました。一部のショートカットや機能が正しく動作しない場合があります</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>キーボード ショートカットを有効にしました</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>キーボード ショートカットを有効にしました。Kavo のショートカットを使えるようになりました。</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>キーボード ショートカットを無効にしました</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>キーボード ショートカットを無効にしました。Kavo のショートカットは動作しません</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>緊急用ショートカットを有効にしました</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>緊急用ショートカットを有効にしました。Kavo の緊急用ショートカットを使えるようになりました。</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>緊急用ショートカットを無効にしました</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>緊急用ショートカットを無効にしました。Kavo の緊急用ショートカットは動作しません</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>すべてのキーボード ショートカットとフックを有効にしました</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>すべてのキーボード ショートカットとフックを有効にしました。システム全体、Kavo、緊急用のショートカットを使えるようになりました。</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>すべてのキーボード ショートカットとフックを無効にしました</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>すべてのキーボード ショートカットとフックを無効にしました。システム全体、Kavo、緊急用のショートカットは動作しません</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>色温度の手動設定を有効にしました</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Kavo の混合モードを使用しています</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>色温度の手動設定を無効にしました</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo は再び選択したモードで色温度を調整します</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>明るさの手動設定を有効にしました</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Kavo mini の混合モードを使用しています</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>明るさの手動設定を無効にしました</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini は再び選択したモードで明るさを調整します</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>ブルーライト ゼロ</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>画面からすべてのブルーライトを取り除きました</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>色を反転しました</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>位置情報の手動設定を有効にしました</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini は手動で設定した位置情報を使います。緯度と経度は隠し機能で設定してください</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>位置情報の手動設定を無効にしました</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini は位置情報を自動で取得します。位置情報は、太陽の位置と日中・夜間の長さの計算に使われます</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>緯度を変更しました</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>緯度を %1° に変更しました</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>経度を変更しました</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>経度を %1° に変更しました</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>夜間の長さの手動設定を有効にしました</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini は手動で設定した夜間の長さを使います。開始時刻と終了時刻は隠し機能で設定してください</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>夜間の長さの手動設定を無効にしました</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini は位置情報に基づいて夜間の長さを自動で決めます。位置情報は、太陽の位置と日中・夜間の長さの計算に使われます</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>エクスポートするファイルが選択されていません</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>エクスポート用のファイルに書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>設定を %1 にエクスポートしました</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>インポートするファイルが選択されていません</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>インポートするファイルを開けませんでした</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>ファイルが大きすぎるためインポートできません (1 MiB 超): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>設定が大きすぎるためインポートできません (1 MiB 超)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Kavo の設定ファイルではありません: 先頭に &quot;#Created by&quot; ヘッダーがありません</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>インポートする設定がありません: Kavo が認識できる設定がファイルに含まれていません</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>設定を書き込めません: インポートした内容は保存されませんでした</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>%1 件の設定をインポートしました</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>、不明なキー %1 件を無視しました</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>、無効な行 %1 件をスキップしました</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>作業まで %1</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>休憩まで %1</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 からのお知らせ: %2 分後に長い休憩が始まります。</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 からのお知らせ: 30 秒後に長い休憩が始まります。</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>まもなく長い休憩</translation>
    </message>
    <message>
        <source>work</source>
        <translation>作業</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>作業に戻る</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>前かがみになり、両腕の力を抜いて垂らしましょう。</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>まばたきをこまめに。画面を見ているとつい忘れがちです。</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>数秒間すばやくまばたきをしてから、目を閉じましょう。</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>%1 後に休憩が始まります</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>あごを胸に近づけ、ゆっくりと元に戻しましょう。</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>目を閉じて、ゆっくり呼吸しましょう。</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>コップ 1 杯の水を飲みましょう。</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc でショートカットをそのままにし、Backspace で削除します。</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>カメラの映像を隠す</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Ctrl、Alt、Meta のいずれかと一緒にこのキーを押してください。</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>このキーは Kavo のショートカットに使えません。</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>6 メートル以上離れたものを見ましょう。</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>遠くのものを見ましょう。できれば窓の外を。</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>上、下、左、右を、それぞれひと呼吸ずつ見ましょう。</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>モニター %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>両手を腰に当て、ゆっくりと後ろに反らしましょう。</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>休憩</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>肩を後ろに何回か回しましょう。</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>肩を後ろに 5 回回しましょう。</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>カメラの映像を表示</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>ゆっくりと目で円を描き、次に逆回りに描きましょう。</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>立ち上がって、両腕を頭の上に伸ばしましょう。</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>立ち上がって、両腕を頭の上でストレッチしましょう。</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>ステップ %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>カメラはオフです</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>左右それぞれ、耳を肩の方へ傾けましょう。</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>ゆっくりと頭を左に向けて止め、次に右に向けましょう。</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>上半身をゆっくりと左右にひねりましょう。</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>まばたき検出はオフです</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>作業まで</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Kavo 設定ファイル (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>ファイルを保存...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>ファイルを開く...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>このウィンドウを表示できません: Kavo の Web 部品がありません。</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>カメラ機能がありません</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>設定を保存できません</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland ではプログラムがユーザーの代わりにクリックすることはできません：オートクリッカーは使用できません。</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland ではプログラムがマウスカーソルを描画することはできません：ソフトウェア カーソルは使用できません。</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland は通常のプログラムに画面の画像を渡しません：操作していない間に画像を加工する効果は使用できません。</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME はどのウィンドウが前面にあるかをプログラムに知らせません（Shell 拡張機能が必要です）：一時停止とトリガーはプログラムを認識できません。</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>このコンポジターはどのウィンドウが前面にあるかをプログラムに知らせません：一時停止とトリガーはプログラムを認識できません。</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>このデスクトップは操作していない時間を知らせません：無操作でもタイマーは止まりません。</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>このデスクトップはキーを他のプログラムに渡しません：各ショートカットをコンポジターの設定で割り当ててください。例：sway では &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot;、Hyprland では &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot;（アクションの一覧は kavoctl --help）。</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>このデスクトップではウィンドウをすべての上に置けません：オーバーレイの色は画面の色で表現され、スポットライトは表示されません。</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>このデスクトップではプログラムがキーボードを占有できません：厳格な休憩でも他のプログラムへのキー入力は止められません。</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>このデスクトップにはトレイがありません（StatusNotifierWatcher がありません）：Kavo をもう一度起動するとウィンドウが開きます。</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>カスタム(&amp;C)</translation>
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
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>読書(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>プログラミング(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>バイオハッカー(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>サングラス(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>ダーク(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>映画(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>オーバーレイ(&amp;O)</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>カラー一時停止</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>タイマー一時停止</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>マウス一時停止</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>モードの変更(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>自動(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>手動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>オートクリッカーを停止</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
