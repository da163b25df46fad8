<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>ما الجديد</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>هذه النسخة من Kavo لا تذكر صفحةً لتغييراتها.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>الموقع الإلكتروني</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>هذه النسخة من Kavo لا تذكر موقعًا إلكترونيًا.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>لا يستطيع سطح المكتب هذا رسم مؤشر الماوس برمجيًا: سيبقى المؤشر كما هو.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>السطر %1 ليس بالصيغة &quot;البرنامج = الحرارة السطوع&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>أعد تشغيل الكمبيوتر</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>أجرى Kavo تغييرًا صغيرًا للسماح بقيم أدنى. عليك إعادة تشغيل الكمبيوتر مرة واحدة لتفعيل كل الميزات.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>بعض الميزات محدودة لأنك تحتاج إلى إعادة تشغيل الكمبيوتر. أنت تستخدم حاليًا واجهة الألوان عالية المستوى (High-level Color API).</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>نسخ الكل</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>انقر لنسخ النص إلى الحافظة</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>تأثيرات الألوان في Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>تعذّرت تهيئة تأثيرات الألوان.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <source>min</source>
        <translation>دقيقة</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>عمل/استراحة</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>إعادة تعيين المؤقّت</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>إيقاف مؤقت/استئناف</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>المؤقّت متوقف مؤقتًا</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>انقر لنسخ النص إلى الحافظة</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>وقت الساعة الحالي المكتشف</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>التوقيت المحلي</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>التوقيت العالمي (UTC)</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>وقت بداية النهار</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>وقت بداية انتقال النهار</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>وقت نهاية انتقال النهار</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>وقت نهاية النهار</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>وقت بداية الليل</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>وقت بداية انتقال الليل</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>وقت نهاية انتقال الليل</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>وقت نهاية الليل</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>مدة النهار</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>مدة انتقال النهار</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>مدة الليل</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>مدة انتقال الليل</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>فرق المنطقة الزمنية المخصص</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>وقت الشروق</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>وقت الغروب</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>إزاحة المحاق</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>إزاحة البدر</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>إزاحة القمر الحالية</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>وقت النوم</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>وقت بداية الانتقال إلى النوم</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>وقت نهاية الانتقال إلى النوم</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>وقت نهاية فترة النوم</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>وقت الاستيقاظ</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>وقت بداية انتقال الاستيقاظ</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>وقت نهاية انتقال الاستيقاظ</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>وقت نهاية الاستيقاظ</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>مدة النوم</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>مدة انتقال النوم</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>استخدام الموقع التلقائي</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>استخدام مدة الليل اليدوية</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>جارٍ التحميل...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>الموقع غير معروف: حدّده يدويًا</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>يتوفر إصدار جديد</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>يتوفر Kavo %1</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>هذه النسخة من Kavo لا تذكر خادم تحديثات</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>لا رد من خادم التحديثات</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>تعذّرت قراءة رد خادم التحديثات</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo محدَّث إلى آخر إصدار</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>عند 100 % تبقى الألوان كما هي، وعند 0 % تصبح رمادية.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>المؤشر المرسوم برمجيًا يأخذ ألوان الشاشة.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>نافذة تعرض سجل Kavo أثناء كتابته. انقر مرة أخرى لإغلاقها.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>ضعف رؤية الألوان</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>عمى الألوان الكلي</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>يسمح بقيم من 0 K (أحمر داكن) إلى 10000 K (أزرق بارد).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>يسمح بقيم من 10 % إلى 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>تطبيق التشبع المحدد أعلاه.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>اسأل خادم التحديثات مرة واحدة، بغض النظر عن الإعدادات أعلاه.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>التحديثات التلقائية</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>حفظ تغييرات الإعدادات تلقائيًا</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>وقت النوم:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>بايوهاكر</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>قفل لوحة المفاتيح في الوضع الصارم</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>الضوء الأزرق</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>السطوع بعد غروب الشمس. الشاشة الأخفت تُجهد العينين أقل في الغرفة المظلمة.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>السطوع في النهار، كنسبة مئوية من أقصى سطوع للشاشة.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>السطوع في فترة النوم.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>إنشاء هذه النافذة عند فتحها أول مرة فقط، مما يوفّر الذاكرة ووقت بدء التشغيل.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>المعالج</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>تغيير</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>تغيير كل منحنى ألوان جديد قليلًا، كي يعيد برنامج تشغيل الشاشة الذي يتجاهل المنحنى المكرر تطبيقَ ألوان Kavo، مثلًا بعد أن تعيد لعبةٌ ضبطها.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>التحقق من وجود تحديثات</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>تحقق الآن</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>اختيار الصفحات</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>اختر الشاشات التي يغيّرها Kavo، وهل لكل منها ألوانها الخاصة.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType مع عارض بديل</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>انقر لنسخ النص إلى الحافظة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>إغلاق النافذة يخفيها بدلًا من تصغيرها.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>نظام الألوان</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>حرارة اللون</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>الألوان</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>حرارة اللون بعد غروب الشمس. الضوء الدافئ في المساء ألطف على نومك.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>حرارة اللون في النهار. القيمة 6500 K محايدة، والقيم الأدنى أدفأ وفيها ضوء أزرق أقل.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>حرارة اللون في فترة النوم.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>سطوع النهار</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>ضوء النهار</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>حرارة لون النهار</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>انتقال النهار:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>التصحيح</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>وحدة تحكم التصحيح</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>معلومات التصحيح</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>بالدرجات شرقًا، وبالسالب في الغرب.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>بالدرجات شمالًا، وبالسالب في الجنوب.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>منزوع التشبع</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>ضعف رؤية الأخضر</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>عمى اللون الأخضر</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>أثناء الاستراحات الصارمة لا تعمل لوحة المفاتيح.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>كل خطوة تكبّر الشاشة أكثر قليلًا.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>كل</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>اسم كل لغة مكتوب بلغتها.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>قيم موسّعة</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>الخطوط</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>تنعيم الخطوط</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>إزاحة البدر:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>مرشحات ألوان على كامل الشاشة: تدرجات رمادية، وعكس الألوان، وسيبيا، ومرشحات لضعف رؤية الألوان.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>معالج الرسوميات</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>الألعاب</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>امنح كل شاشة حرارة لون وسطوعًا خاصين بها، واختر الشاشة من علامات التبويب أعلاه.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>أحمر بتدرج رمادي</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>تدرج رمادي 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>تدرج رمادي 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>تدرج رمادي 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>غروت</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>الصحة</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>إخفاء أيقونة شريط المهام عند الإغلاق</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>كيف يندمج Kavo في سطح المكتب.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>كيف يحافظ Kavo على ألوانه على الشاشة.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>كيف يحفظ Kavo إعداداتك ويلاحظ غيابك.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>كيف تتحول حرارة اللون إلى ألوان الشاشة.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>مدى سطوع الشاشة في النهار والليل.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>مدة الانتقال السلس للألوان عندما يتوقف Kavo مؤقتًا أو يستأنف أو يغيّر الوضع أو النوع.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>مدة الانتقال إلى النهار: يتوسّطه شروق الشمس، أو ينتهي مع نهاية الليل حسب الساعة.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>مدة الانتقال إلى الليل: يتوسّطه غروب الشمس، أو ينتهي مع بداية الليل حسب الساعة.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>مدة الانتقال إلى فترة النوم والخروج منها، وينتهيان عند وقت النوم ووقت الاستيقاظ.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>كمية الضوء الأزرق التي تصدرها الشاشة في النهار والليل.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>كم يبكّر بدء الليل والنهار عند البدر.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>كم يبكّر بدء الليل والنهار عند المحاق.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>كم مرة يعيد Kavo البحث أثناء تشغيله.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>مدى بطء تغيّر الألوان بين النهار والليل والنوم.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>كيف ينعّم النظام حواف النص.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>عكس الألوان</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>يستطيع Kavo البحث عن إصدار جديد وإخبارك عند صدوره.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>يتبع Kavo الشمس في موقعك. وإن لم تحدد موقعك بنفسك فإنه يبحث عنه.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>أجرى Kavo بعض التغييرات على نظامك ويجب إعادة تشغيله لتسري.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>أجرى Kavo بعض التغييرات على نظامك ويلزم إعادة تشغيل الكمبيوتر لتسري التغييرات.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>يعتني Kavo بعينيك: ألوان ألطف في الليل وتذكير بالاستراحة.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>إصدار Kavo، ونظامك وسطح المكتب، وكل الإعدادات. انقر على النص لنسخه.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>إبقاء سطوع الليل طوال الوقت بدلًا من اتباع الشمس.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>إبقاء قيمة الليل طوال الوقت بدلًا من اتباع الشمس.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>يُبقي Kavo خفيفًا أثناء انتظاره في الخلفية.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>ضغطات المفاتيح تدل على وجودك: يتوقف مؤقّت الاستراحة بعد نحو 20 دقيقة من دونها ويعود للعمل عند عودتك.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>خمول لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>لاحقًا</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>خط العرض:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>اللون الغالب</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>السماح لـ Kavo بضبط التردد أعلاه.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>دع Kavo يخبرك عند صدور إصدار جديد.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>خطي</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>أزرق خطي</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>خط الطول:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>البحث عن إصدار جديد عند بدء Kavo ثم بانتظام. يُحفظ مع باقي الإعدادات.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>ابحث الآن</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>ماغموس</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>المكبّر</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>إدارة الشاشات</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>يدوي</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>سطوع يدوي</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>ضوء أزرق يدوي</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>إعدادات ألوان يدوية</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>موقع يدوي</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>مدة ليل يدوية</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>تخفّض شاشات كثيرة إضاءتها الخلفية بتشغيلها وإطفائها بسرعة كبيرة (PWM). والتردد الأعلى يعني وميضًا أقل.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>أقصى تردد</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>الشاشة 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>الشاشة 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>الشاشة 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>الشاشة 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>الشاشة 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>الشاشة 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>خمول الماوس</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>حركة الماوس تدل على وجودك: يتوقف مؤقّت الاستراحة بعد نحو 20 دقيقة من دونها ويعود للعمل عند عودتك.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>فيلم</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>يخفّف ألوان الشاشة كلها أو يقوّيها.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>أحمر بتدرج رمادي سالب</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>تدرج رمادي سالب</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>سيبيا سالبة</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>إزاحة المحاق:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>الأخبار والمساعدة وأحدث إصدار.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>سطوع الليل</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>ضوء الليل</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>حرارة لون الليل</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>انتقال الليل:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>ينتهي الليل في:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>يبدأ الليل في:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>بدون تنعيم</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>يظهر في أوقات الانتقال أدناه، أما جدول الشمس نفسه فيتبع المنطقة الزمنية لنظامك.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>أولاف</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>صورة قديمة</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>فتح أو إغلاق</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>فتح الموقع الإلكتروني</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>تحسين إنشاء الواجهة</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>تراكب</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>التحكم في PWM</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>تردد PWM</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>التحكم في PWM</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>انتقال الإيقاف المؤقت:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>إعدادات لكل شاشة</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>معاينة 24 ساعة</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>إنتاجي</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>البرمجة</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>ضعف رؤية الأحمر</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>عمى اللون الأحمر</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>القراءة</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>يلزم إعادة تشغيل Kavo</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>إعادة تشغيل Kavo الآن</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>يلزم إعادة تشغيل الكمبيوتر</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>إعادة التشغيل الآن</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>إلغاء عكس الألوان</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>التشبع</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>حفظ وإغلاق</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>حفظ التغييرات عند إغلاق النافذة. من دونه يعيد إغلاق النافذة الإعدادات المحفوظة.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>الجدول الزمني</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>الشاشة</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>تأثير الشاشة</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>تأثيرات الشاشة</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>إرسال إحصائيات الاستخدام</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>سيبيا</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>إعادة ضبط التردد مع كل تحديث للألوان، للشاشات التي تفقده.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>عرض التغييرات</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>بسيط</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>عكس بسيط</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>العرض البسيط</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>النوم</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>سطوع النوم</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>ضوء النوم</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>انتقال النوم:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>عكس ذكي 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>عكس ذكي 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>عكس ذكي 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>عكس ذكي 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>عكس ذكي 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>قياسي</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>تشغيل Kavo عند بدء التشغيل</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>تشغيل Kavo عند تسجيل الدخول.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>بدء الليل وإنهاؤه حسب الساعة بدلًا من الشمس.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>يتراجع خطوة خطوة حتى تعود الشاشة إلى حجمها العادي.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>صارم</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>نظارة شمسية</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>تبديل الألوان</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>التغييرات في هذا الإصدار من Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>حرارة لون الشاشة في النهار والليل، والألوان المعكوسة.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>اللون الذي يبقى الأقوى في درجات الحرارة الدافئة.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>المرشح المطبّق على الشاشة كلها.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>التردد الذي يضبطه Kavo عند تشغيل التحكم في PWM. اسأل الشركة المصنّعة لشاشتك عن الترددات التي تدعمها.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>أعلى تردد يتيحه شريط التمرير، بالهرتز.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>لغة نوافذ Kavo وقوائمه ورسائله.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>يحرّك القمر جدول الشمس: يبكّر بدء الليل والنهار بإزاحة تنتقل من قيمة المحاق إلى قيمة البدر كلما اكتمل القمر.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>تنتهي فترة النوم هنا.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>تبدأ فترة النوم هنا.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>جدول الألوان الذي يتبعه Kavo من الدافئ إلى البارد.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>لا تتيح هذه الشاشة لـ Kavo التحكم في PWM: البرنامج المرافق kavo_get_pwm_frequency غير موجود أو لا يُبلغ عن أي تردد.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>لا يتيح سطح المكتب هذا لـ Kavo أي تحكم في الإضاءة الخلفية: يبقى سطوع الشاشة كما هو.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>يعرض الضوء الليلي لسطح المكتب هذا درجة حرارة اللون فقط: تحتاج أنظمة الألوان واللون الرئيسي وتأثيرات الشاشة إلى جداول جاما.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>فرق المنطقة الزمنية:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>المؤقّت</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>الانتقال</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>ضعف رؤية الأزرق</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>عمى اللون الأزرق</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>تشغيل المرشح المختار أو إيقافه.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>تحديث مستمر</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>استخدام الإعدادات المتقدمة</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>استخدام مصحّح جاما</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>استخدام مؤشر ماوس برمجي</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>استخدام الإحداثيات أدناه بدلًا من الموقع الذي تم العثور عليه.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>استخدام ألوان النوم بين وقت النوم ووقت الاستيقاظ.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>وقت الاستيقاظ:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>ألوان أدفأ وأخفت للساعات التي تسبق نومك.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>باهت 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>باهت 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>باهت 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>الموقع الإلكتروني</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>ما الجديد</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>ما ترسله مع طلب المساعدة. لا يغادر أي شيء جهازك ما لم ترسله بنفسك.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>المكان الذي يحسب Kavo له وقتي الشروق والغروب.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>إذا كان سطح المكتب يحدد تنعيم الخطوط بنفسه، فلا أثر لهذا الاختيار.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>الصفحات والنوافذ التي تفتحها، في كل مرة تحت رقم عشوائي جديد، ولا يُرسل اسمك أو عنوانك أبدًا. فقط إذا كانت هذه النسخة من Kavo تذكر عنوانًا للإحصائيات.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>تكبير:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>تصغير:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>يكبّر الشاشة كلها حول مؤشر الماوس.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>يوم</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>مخفية</translation>
    </message>
    <message>
        <source>month</source>
        <translation>شهر</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>في الدقيقة</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>الاستراحة</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>ظاهرة</translation>
    </message>
    <message>
        <source>until</source>
        <translation>حتى</translation>
    </message>
    <message>
        <source>week</source>
        <translation>أسبوع</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>دقيقة من التمارين تُعرض خطوة بخطوة في زاوية الشاشة.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>يحصل البرنامج الذي في المقدمة على ألوانه الخاصة: الفيلم أكثر سطوعًا، وتطبيق القراءة أدفأ.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>نغمة قصيرة في الثواني الأخيرة قبل الاستراحة وقبل العمل.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>نافذة صغيرة في زاوية الشاشة تعرض العدد وصورة الكاميرا.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>التطبيقات</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>الذكاء الاصطناعي (AI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>النقر التلقائي</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>إغلاق شاشة الاستراحة تلقائيًا</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>السطوع التلقائي</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>تمارين الظهر</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>اكتشاف الرمش</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>نافذة الرمش</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>استراحة كل</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>الاستراحات</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>الكاميرا</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>جارٍ النقر</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>ينقر زر الماوس الأيسر في موضع المؤشر مرة بعد مرة.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>برامج إيقاف الألوان</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>محفّزات الألوان</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>تتوقف تغييرات الألوان مؤقتًا أثناء ظهور أحد هذه البرامج: للرسم والصور والأفلام.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>تابع عندما تكون مستعدًا.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>عدّ رمشات عينيك في الدقيقة. عند التحديق في الشاشة يقلّ الرمش، والعدّاد يذكّرك بذلك.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>المفاتيح Ctrl+Alt+Shift+F10 تعيد تعيين كل الإعدادات، وCtrl+Alt+Shift+F11 تُنهي Kavo، وCtrl+Alt+Shift+F12 تعيد تعيين الألوان، بغض النظر عن الاختصارات أعلاه.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>خفض السطوع</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>خفض حرارة اللون</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>تعتيم الشاشة قليلًا أثناء عرض محتوى ساطع.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>إنهاء تراكب الشاشة</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>التمارين</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>تمارين العين</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>الميزة</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>التطبيقات بملء الشاشة</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>خذ استراحة</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>في المقدمة الآن</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>استراحة قادمة</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>رفع السطوع</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>رفع حرارة اللون</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>تثبيت</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>عكس الألوان عندما يكون معظم محتوى الشاشة ساطعًا.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>يضبط Kavo الشاشة وفقًا للغرفة ولما تعرضه. تُقاس صور الكاميرا ولقطات الشاشة ثم تُترك: لا تُحفظ ولا تُرسل إلى أي مكان أبدًا.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>يستجيب Kavo لاختصاراته في كل البرامج.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>يذكّرك Kavo بإراحة عينيك: استراحة قصيرة بعد كل فترة عمل.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>إصدار Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>إبقاء سطوع الشاشة مماثلًا لإضاءة الغرفة من حولها.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>تركيبات مفاتيح تصل إلى Kavo من أي برنامج.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>خفيف</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>&quot;خفيف&quot; غطاء داكن بسيط مع الوقت المتبقي. &quot;بسيط&quot; و&quot;قياسي&quot; صفحتان كاملتان، ويضيف &quot;قياسي&quot; الساعة وفكرة لاستراحتك.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>انظر بعيدًا عن الشاشة ودع عينيك ترتاحان.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>انظر بعيدًا، وحرّك عينيك في دوائر، ثم ارمش: العيون التي تركّز على الشاشة طوال اليوم هي الأحوج إلى ذلك.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>يدوي أو تلقائي</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>مطابقة السطوع مع الإضاءة</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>الفاصل بين نقرتين بالمللي ثانية، 10 على الأقل.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>دقائق من العمل، ثم ثوانٍ من الاستراحة.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>برامج إيقاف الماوس</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>تمارين الرقبة</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>يمكن تخطي الاستراحات العادية، أما الصارمة فلا. ويعرض &quot;إنتاجي&quot; عدًّا تنازليًا صغيرًا بدلًا من تغطية الشاشة.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>برنامج واحد في كل سطر، باسمه كما يعمل (vlc, kmplayer). أضف fullscreen بعد الاسم ليكون الإيقاف فقط عندما يملأ البرنامج الشاشة.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>برنامج واحد في كل سطر، باسمه تمامًا كما يعمل (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>برنامج واحد في كل سطر، باسمه تمامًا كما يعمل (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>برنامج واحد في كل سطر: الاسم = الحرارة السطوع، مثلًا vlc = 6500 120. الحرارة من 0 إلى 10000 K، والسطوع من 10 إلى 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>إيقاف تغييرات الألوان مؤقتًا أثناء ظهور برنامج من القائمة.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>إيقاف تغييرات الألوان مؤقتًا عندما يملأ أي برنامج الشاشة.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>إيقاف Kavo مؤقتًا أو استئنافه</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>إيقاف المؤقّت مؤقتًا أو استئنافه</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>تأجيل</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>مدة التأجيل</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>اضغط التركيبة الجديدة</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>البرامج</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>البرامج والألوان</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>إنهاء Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>شاشة الاستراحة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>تشغيل تأثيرات الشاشة أو إيقافها</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>التراكبات</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>المستشعرات</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>الاختصار</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطي</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>التفاتات وإمالات بطيئة لرقبة بقيت في وضع واحد مدة طويلة.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>السطوع الذكي</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>العكس الذكي</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>بدء استراحة</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>بدء تراكب الشاشة</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>أوقفه من هنا، أو من قائمة علبة النظام، أو بإنهاء Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>إيقاف مؤقّت الاستراحة أثناء ظهور برنامج من القائمة.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>إيقاف مؤقّت الاستراحة عندما يملأ أي برنامج الشاشة.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>تمارين تمدد يمكنك أداؤها واقفًا بجانب مكتبك.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>إيقاف المؤشر البرمجي أثناء ظهور برنامج من القائمة.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>إيقاف المؤشر البرمجي عندما يملأ أي برنامج الشاشة.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>قبل الاستراحة بعشر ثوانٍ يعرض Kavo تأجيلها بهذا العدد من الدقائق.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>يتوقف مؤقّت الاستراحة أثناء ظهور أحد هذه البرامج: الأفلام والعروض التقديمية والمكالمات.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>تقيس الكاميرا إضاءة الغرفة ويتبعها السطوع قليلًا كل ثانية.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>البرنامج الذي تستخدمه، بالاسم الوارد في القوائم.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>انتهت الاستراحة</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>يختفي المؤشر البرمجي أثناء ظهور أحد هذه البرامج، فالألعاب ترسم مؤشرها الخاص.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>هذه استراحة صارمة: تنتهي من تلقاء نفسها.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>حان وقت الاستراحة</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>برامج إيقاف المؤقّت</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>نوع المؤقّت</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>استخدام الأصوات</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>استخدام ألوان القائمة عندما يكون برنامج من القائمة في المقدمة.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>استخدام الكاميرا الأولى لقياس إضاءة الغرفة وعدّ الرمشات.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>ما يغطي شاشاتك أثناء الاستراحة.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>ما يفعله الاختصار.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>عند انتهاء الاستراحة يبدأ العمل فورًا. ومن دونه تنتظر شاشة الاستراحة حتى تتابع.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>العمل</translation>
    </message>
    <message>
        <source>min</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>حتى الاستراحة</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b تعني enable أو disable، و%d عدد صحيح، و%f عدد، و%s كلمة. انقر على تعويذة لنسخها إلى حقل الإدخال.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>تفعيل</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>انقر مرة أخرى لإعادة تعيين كل الإعدادات</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>أدخل تعويذتك:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>الميزات المخفية</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>انقل إعداداتك إلى كمبيوتر آخر، أو احتفظ بنسخة منها.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>استعادة الإعدادات الافتراضية</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>تم تصدير الإعدادات</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>ملف الإعدادات</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>التعويذات</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>تغيّر التعويذات إعدادات ليس لها عنصر تحكم في الصفحات. وتعمل التعويذات نفسها من سطر الأوامر: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>طبقة ملوّنة شفافة فوق الشاشة تعتّمها وتلوّنها أكثر مما تفعله الألوان وحدها، والنقرات تمرّ عبرها.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>تعتيم النهار</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>عتامة النهار</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>مدى إظلام ما حول البقعة.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>مقدار إغماق لون الطبقة في الليل.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>مقدار إغماق لون الطبقة في النهار.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>مدى تغطية الطبقة للشاشة في الليل.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>مدى تغطية الطبقة للشاشة في النهار.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>نيلي</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>يُبقي بقعة مضيئة على الشاشة ويُظلم ما حولها، والنقرات تمرّ عبرها.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>ليموني</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>الإضاءة</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>ماجنتا</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>تعتيم الليل</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>عتامة الليل</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>لون التراكب</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>نصف القطر</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>إعادة تعيين المنطقة</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>قرمزي</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>تراكب الشاشة</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>انقر «تحديد منطقة» ثم اسحب فوق الشاشة: تبقى المنطقة صافية. المفتاح Escape يلغي التحديد.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>تحديد منطقة</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>إظهار الطبقة.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>إظهار البقعة.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>لون الطبقة.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>حجم البقعة المضيئة.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>يعرض سطح المكتب هذا التأثير أثناء خمولك فقط: بعد ثانيتين بلا نشاط تغطي الشاشةَ صورةٌ لها مع التأثير، حتى تضغط مفتاحًا أو تحرّك الماوس.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>يظهر هذا التأثير فورًا.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>فيروزي</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>موضع البقعة أفقيًا على الشاشة.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>موضع البقعة عموديًا على الشاشة.</translation>
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
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>تم استيراد الإعدادات</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>لم يتم استيراد الإعدادات</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 يتعارض مع %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 يتعارض مع تغييرات الألوان في %2، وقد ترى وميضًا في الألوان بين التشغيل والإيقاف.
يغلق %2 مثل هذه التطبيقات تلقائيًا، لكن يُرجى إلغاء تثبيت أحد التطبيقين إن استمرت المشكلة.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>المتبقي: %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>لم يتم العثور على كاميرا</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>لم يتم العثور على أدوات اكتشاف الأجسام</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>تعويذة غير صالحة</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>يبدو أن التعويذة &quot;%1&quot; خاطئة. تحقق من صيغتها أو جرّب ميزة مخفية أخرى.
استخدم &quot;help&quot; لعرض قائمة كل الميزات المخفية :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>نجحت الميزة المخفية</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>نجح تنفيذ %1</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>حرارة لون غير صالحة</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 قيمة غير صالحة لحرارة اللون. استخدم رقمًا بين 0 و10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>تم تغيير حرارة اللون</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>تم تغيير حرارة اللون إلى %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>سطوع غير صالح</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 قيمة غير صالحة للسطوع. استخدم رقمًا بين 10 و100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>تم تغيير السطوع</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>تم تغيير السطوع إلى %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>وقت بداية الليل غير صالح</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 قيمة غير صالحة لوقت بداية الليل. استخدم رقمًا بين 0 و24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>تم تغيير وقت بداية الليل</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>تم تغيير وقت بداية الليل اليدوي إلى %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>وقت نهاية الليل غير صالح</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 قيمة غير صالحة لوقت نهاية الليل. استخدم رقمًا بين 0 و24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>تم تغيير وقت نهاية الليل</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>تم تغيير وقت نهاية الليل اليدوي إلى %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>يتحوّل Kavo إلى النوع %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>سترى الفرق على شاشتك بعد لحظة :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>تم تفعيل الإشعارات</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>تم تفعيل إشعارات الميزات المخفية. ستظهر لتعرف متى تنجح تعويذتك</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>تم تعطيل الإشعارات</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>تم تعطيل إشعارات الميزات المخفية. هذا آخر إشعار ستراه</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>تم تفعيل مصحّح جاما</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>تم تفعيل مصحّح جاما. إذا لاحظت تغيّرًا طفيفًا في الألوان كل ثانية فعطّل مصحّح جاما مرة أخرى. يُستخدم مصحّح جاما لأن Windows يتجاهل تغييرات Kavo mini من حين لآخر.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>تم تعطيل مصحّح جاما</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>تم تعطيل مصحّح جاما. إذا أصبحت شاشتك ساطعة فجأة ففعّله مرة أخرى أو انقر على أيقونة Kavo mini عدة مرات. كلاهما يُلزم Kavo بتغيير ألوان الشاشة.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>تم تفعيل المؤشر البرمجي</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>ستنطبق تغييرات الألوان على المؤشر أيضًا. إذا بدأ يختفي فاستخدم &quot;disable software cursor&quot; ليعود ساطعًا.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>تم تفعيل مؤشر العتاد</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>لن تنطبق تغييرات الألوان على المؤشر. إذا لم يعجبك المؤشر الأزرق الساطع في الليل فاستخدم &quot;enable software cursor&quot; لتطبيق تغييرات الألوان على المؤشر.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>تم السماح بالتطبيقات المتعارضة</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>تم السماح بالتطبيقات المتعارضة. يمكنك الآن استخدام برامج أخرى تغيّر ألوان الشاشة.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>تم منع التطبيقات المتعارضة</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>تم منع التطبيقات المتعارضة، كي لا يحدث وميض في الشاشة.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>تم تعطيل الشاشة %1</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>لن يطبّق Kavo تغييرات الألوان على الشاشة %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>تم تفعيل الشاشة %1</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>سيطبّق Kavo تغييرات الألوان على الشاشة %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>نطاق الألوان موسَّع بالفعل</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>نطاق الألوان موسَّع بالفعل. إذا واجهت مشكلات مع القيم الأدنى فجرّب إعادة تشغيل الكمبيوتر. وإن استمرت المشكلة فراسلنا مع معلومات عن جهازك لنختبرها ونصلحها.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>فشل توسيع نطاق الألوان</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>فشل توسيع نطاق الألوان: تحتاج إلى صلاحيات المسؤول لتنفيذ ذلك</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>لا يوجد برنامج إلغاء التثبيت في مجلد التطبيق</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>لا يوجد برنامج إلغاء التثبيت في &quot;%1&quot;
 يمكنك إنهاء %2 وحذف المجلد يدويًا</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>تم تفعيل الحفاظ على جاما</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>سيحترم Kavo معايرة ألوانك من الآن فصاعدًا. أغلق Kavo mini ثم شغّله مجددًا وسيحافظ على ألوانك خلال النهار</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>تم تعطيل الحفاظ على جاما</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>لن يحترم Kavo معايرة ألوانك من الآن فصاعدًا، وسيستخدم إعدادات الشاشة الافتراضية بدلًا منها</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>تم تفعيل التشغيل عند بدء التشغيل</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>سيبدأ Kavo mini عند تشغيل الكمبيوتر</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>تم تعطيل التشغيل عند بدء التشغيل</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>لن يبدأ Kavo mini عند تشغيل الكمبيوتر</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>تم تفعيل دوران أيقونة علبة النظام</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>ستدور أيقونة علبة النظام عندما يغيّر Kavo ألوان الشاشة. يفيد ذلك في إظهار أن Kavo mini يغيّر الألوان وأن شاشتك غير معايَرة</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>تم تعطيل دوران أيقونة علبة النظام</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>لن تدور أيقونة علبة النظام عندما يغيّر Kavo ألوان الشاشة. تفيد هذه الميزة في إظهار أن Kavo mini يغيّر الألوان وأن شاشتك غير معايَرة</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>إعادة تعيين الألوان</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>أُعيدت ألوان الشاشة إلى القيم الافتراضية</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>إعادة تعيين الإعدادات</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>أُعيدت إعدادات Kavo إلى القيم الافتراضية</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>تم تفعيل خطاف لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>تم تفعيل خطاف لوحة المفاتيح. يمكنك الآن استخدام الاختصارات على مستوى النظام.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>تم تعطيل خطاف لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>تم تعطيل خطاف لوحة المفاتيح. قد لا تعمل بعض الاختصارات والميزات كما ينبغي</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>تم تفعيل اختصارات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>تم تفعيل اختصارات لوحة المفاتيح. يمكنك الآن استخدام اختصارات Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>تم تعطيل اختصارات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>تم تعطيل اختصارات لوحة المفاتيح. لن تعمل اختصارات Kavo</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>تم تفعيل اختصارات الطوارئ</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>تم تفعيل اختصارات الطوارئ. يمكنك الآن استخدام اختصارات الطوارئ في Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>تم تعطيل اختصارات الطوارئ</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>تم تعطيل اختصارات الطوارئ. لن تعمل اختصارات الطوارئ في Kavo</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>تم تفعيل كل اختصارات لوحة المفاتيح وخطافاتها</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>تم تفعيل كل اختصارات لوحة المفاتيح وخطافاتها. يمكنك الآن استخدام اختصارات النظام واختصارات Kavo واختصارات الطوارئ.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>تم تعطيل كل اختصارات لوحة المفاتيح وخطافاتها</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>تم تعطيل كل اختصارات لوحة المفاتيح وخطافاتها. لن تعمل اختصارات النظام ولا اختصارات Kavo ولا اختصارات الطوارئ</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>تم تفعيل حرارة اللون اليدوية</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>أنت تستخدم الآن الوضع المختلط في Kavo</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>تم تعطيل حرارة اللون اليدوية</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>سيستخدم Kavo الوضع الذي اخترته لحرارة اللون مرة أخرى</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>تم تفعيل السطوع اليدوي</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>أنت تستخدم الآن الوضع المختلط في Kavo mini</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>تم تعطيل السطوع اليدوي</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>سيستخدم Kavo mini الوضع الذي اخترته للسطوع مرة أخرى</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>بلا ضوء أزرق</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>أُزيل كل الضوء الأزرق من الشاشة</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>عكس</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>تم عكس الألوان</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>تم تفعيل الموقع اليدوي</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>سيستخدم Kavo mini موقعك اليدوي. حدّد خط العرض وخط الطول عبر الميزات المخفية</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>تم تعطيل الموقع اليدوي</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>سيستخدم Kavo mini الموقع التلقائي. يُستخدم الموقع لحساب موضع الشمس ومدة النهار والليل</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>تم تغيير خط العرض</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>تم تغيير خط العرض إلى %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>تم تغيير خط الطول</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>تم تغيير خط الطول إلى %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>تم تفعيل مدة الليل اليدوية</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>سيستخدم Kavo mini مدة الليل اليدوية. حدّد وقت البداية والنهاية عبر الميزات المخفية</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>تم تعطيل مدة الليل اليدوية</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>سيستخدم Kavo mini مدة الليل التلقائية بحسب الموقع. يُستخدم الموقع لحساب موضع الشمس ومدة النهار والليل</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>لم يتم اختيار ملف للتصدير</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>تعذّرت كتابة ملف التصدير: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>تم تصدير الإعدادات إلى %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>لم يتم اختيار ملف للاستيراد</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>تعذّر فتح ملف الاستيراد</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>الملف أكبر من أن يُستورد (أكثر من 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>الإعدادات أكبر من أن تُستورد (أكثر من 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>ليس ملف إعدادات Kavo: لا يبدأ بالترويسة &quot;#Created by&quot;</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>لا توجد إعدادات للاستيراد: لا يحتوي الملف على أي إعداد يعرفه Kavo</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>تعذّرت كتابة الإعدادات: لم يُحفظ الاستيراد</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>الإعدادات المستوردة: %1</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>، والمفاتيح غير المعروفة المتجاهَلة: %1</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>، والأسطر غير الصالحة المتخطّاة: %1</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 حتى العمل</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 حتى الاستراحة</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>يذكّرك %1 بأن استراحة طويلة ستبدأ بعد %2 دقيقة.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>يذكّرك %1 بأن استراحة طويلة ستبدأ بعد 30 ثانية.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>استراحة طويلة قادمة</translation>
    </message>
    <message>
        <source>work</source>
        <translation>العمل</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>العودة إلى العمل</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>انحنِ إلى الأمام ودع ذراعيك تتدلّيان بارتخاء.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>ارمش كثيرًا: الشاشات تُنسينا ذلك.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>ارمش بسرعة لبضع ثوانٍ، ثم أغمض عينيك.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>الاستراحة بعد %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>أنزل ذقنك إلى صدرك ثم ارفعه ببطء.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>أغمض عينيك وتنفّس ببطء.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>اشرب كوبًا من الماء.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc يُبقي الاختصار، وBackspace يزيله.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>إخفاء صورة الكاميرا</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>اضغط Ctrl أو Alt أو Meta مع هذا المفتاح.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>لا يمكن لـ Kavo استخدام هذا المفتاح في اختصار.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>انظر إلى شيء يبعد ستة أمتار على الأقل.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>انظر إلى شيء بعيد، من النافذة إن أمكنك.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>انظر إلى الأعلى والأسفل واليسار واليمين، وابقَ في كل اتجاه مدة نفَس.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>الشاشة %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>ضع يديك على خصرك ومِل إلى الخلف برفق.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>الاستراحة</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>حرّك كتفيك في دوائر إلى الخلف بضع مرات.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>حرّك كتفيك في دوائر إلى الخلف خمس مرات.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>إظهار صورة الكاميرا</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>حرّك عينيك ببطء في دائرة، ثم في الاتجاه المعاكس.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>قف وارفع ذراعيك فوق رأسك.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>قف ومدّ ذراعيك فوق رأسك.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>الخطوة %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>الكاميرا متوقفة</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>أمِل أذنك نحو كتفك في كل جانب.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>أدِر رأسك ببطء إلى اليسار واثبت، ثم إلى اليمين.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>أدِر الجزء العلوي من جسمك ببطء إلى كل جانب.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>اكتشاف الرمش متوقف</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>حتى العمل</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>ملف إعدادات Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>حفظ الملف...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>فتح ملف...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>لا يمكن عرض هذه النافذة: جزء الويب في Kavo مفقود.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>ميزات الكاميرا مفقودة</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>لا يمكن حفظ الإعدادات</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>لا يسمح Wayland لأي برنامج بالنقر نيابةً عن المستخدم: النقر التلقائي غير متاح.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>لا يسمح Wayland لأي برنامج برسم مؤشر الفأرة: المؤشر البرمجي غير متاح.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>لا يعطي Wayland البرامج العادية أي صورة للشاشة: التأثيرات التي تعمل على صورة أثناء عدم نشاطك غير متاحة.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>لا يخبر GNOME أي برنامج بالنافذة التي في المقدمة (يتطلب ذلك إضافة للـ Shell): لا تستطيع الإيقافات المؤقتة والمشغِّلات رؤية البرامج.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>لا يخبر هذا المُركِّب أي برنامج بالنافذة التي في المقدمة: لا تستطيع الإيقافات المؤقتة والمشغِّلات رؤية البرامج.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>لا يخبر سطح المكتب هذا متى تكون غير نشط: عدم النشاط لا يوقف المؤقت.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>يحتفظ سطح المكتب هذا بالمفاتيح لنفسه: اربط كل اختصار في إعدادات المُركِّب، مثلاً في sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; أو في Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (يسرد kavoctl --help الإجراءات).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>لا يسمح سطح المكتب هذا لأي نافذة بأن تكون فوق كل شيء: يمر لون الطبقة عبر ألوان الشاشة، ولا تظهر بقعة الضوء.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>لا يسمح سطح المكتب هذا لأي برنامج بالاستيلاء على لوحة المفاتيح: لا تستطيع الاستراحات الصارمة منع المفاتيح عن البرامج الأخرى.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>لا يحتوي سطح المكتب هذا على علبة نظام (لا يوجد StatusNotifierWatcher): شغّل Kavo مرة أخرى لفتح نافذته.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;مخصص</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>ال&amp;صحة</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>ال&amp;نوم</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>الأ&amp;لعاب</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>ال&amp;قراءة</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>ال&amp;برمجة</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>با&amp;يوهاكر</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>نظارة &amp;شمسية</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;داكن</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;فيلم</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>&amp;تراكب</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>برامج إيقاف الألوان</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>برامج إيقاف المؤقّت</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>برامج إيقاف الماوس</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>&amp;تغيير الوضع</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>ت&amp;لقائي</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;يدوي</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>إيقاف النقر التلقائي</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
</TS>
