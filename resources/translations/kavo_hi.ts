<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>रुका हुआ</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>नया क्या है</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Kavo के इस बिल्ड में बदलावों का कोई पेज नहीं दिया गया है।</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>वेबसाइट</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Kavo के इस बिल्ड में कोई वेबसाइट नहीं दी गई है।</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>यह डेस्कटॉप माउस कर्सर को सॉफ़्टवेयर से नहीं बना सकता: कर्सर जैसा है वैसा ही रहेगा।</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>पंक्ति %1 &quot;प्रोग्राम = तापमान चमक&quot; के रूप में नहीं है: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>अपना कंप्यूटर पुनः आरंभ करें</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo ने कम मानों की अनुमति के लिए एक छोटा बदलाव किया है। सभी सुविधाएँ पाने के लिए आपको एक बार अपना कंप्यूटर पुनः आरंभ करना होगा।</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>कुछ सुविधाएँ सीमित हैं, क्योंकि आपको अपना कंप्यूटर पुनः आरंभ करना होगा। आप अभी उच्च-स्तरीय रंग API (High-level Color API) का उपयोग कर रहे हैं।</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>सब कॉपी करें</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>टेक्स्ट को क्लिपबोर्ड पर कॉपी करने के लिए क्लिक करें</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Kavo रंग प्रभाव</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>रंग प्रभाव शुरू नहीं हो सके।</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>सेकंड</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>min</source>
        <translation>मिनट</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>काम/ब्रेक</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>टाइमर रीसेट करें</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>रोकें/फिर शुरू करें</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>टाइमर रुका हुआ है</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>टेक्स्ट को क्लिपबोर्ड पर कॉपी करने के लिए क्लिक करें</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>पता लगाया गया वर्तमान घड़ी समय</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>स्थानीय समय</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>UTC समय</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>दिन शुरू होने का समय</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>दिन के संक्रमण का आरंभ समय</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>दिन के संक्रमण का समाप्ति समय</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>दिन समाप्त होने का समय</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>रात शुरू होने का समय</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>रात के संक्रमण का आरंभ समय</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>रात के संक्रमण का समाप्ति समय</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>रात समाप्त होने का समय</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>दिन की अवधि</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>दिन के संक्रमण की अवधि</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>रात की अवधि</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>रात के संक्रमण की अवधि</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>कस्टम समय क्षेत्र ऑफ़सेट</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>सूर्योदय का समय</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>सूर्यास्त का समय</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>अमावस्या ऑफ़सेट</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>पूर्णिमा ऑफ़सेट</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>वर्तमान चंद्र ऑफ़सेट</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>सोने का समय</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>सोने के संक्रमण का आरंभ समय</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>सोने के संक्रमण का समाप्ति समय</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>सोने की अवधि का समाप्ति समय</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>जागने का समय</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>जागने के संक्रमण का आरंभ समय</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>जागने के संक्रमण का समाप्ति समय</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>जागने की अवधि का समाप्ति समय</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>नींद की अवधि</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>नींद के संक्रमण की अवधि</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>स्वचालित स्थान का उपयोग</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>मैन्युअल रात अवधि का उपयोग</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>लोड हो रहा है...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>स्थान अज्ञात है: इसे मैन्युअल रूप से सेट करें</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>नया संस्करण उपलब्ध है</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 उपलब्ध है</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Kavo के इस बिल्ड में कोई अपडेट सर्वर नहीं दिया गया है</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>अपडेट सर्वर से कोई उत्तर नहीं मिला</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>अपडेट सर्वर का उत्तर पढ़ा नहीं जा सका</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo नवीनतम संस्करण पर है</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % पर रंग जैसे हैं वैसे रहते हैं; 0 % पर सब धूसर हो जाता है।</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>सॉफ़्टवेयर से बना कर्सर स्क्रीन के रंग अपना लेता है।</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>एक विंडो, जिसमें Kavo का लॉग लिखे जाते समय दिखता है। बंद करने के लिए फिर से क्लिक करें।</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>एक्रोमैटोमली</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>एक्रोमैटोप्सिया</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>0 K (गहरा लाल) से 10000 K (ठंडा नीला) तक के मान चुनने देता है।</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>10 % से 150 % तक के मान चुनने देता है।</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>ऊपर दी गई संतृप्ति लागू करें।</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>ऊपर की सेटिंग्स चाहे जो हों, अपडेट सर्वर से एक बार पूछें।</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>स्वचालित</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>स्वचालित अपडेट</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>सेटिंग्स के बदलाव अपने आप सहेजें</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>सोने का समय:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>बायोहैकर</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>सख़्त मोड में कीबोर्ड लॉक करें</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>नीला</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>नीली रोशनी</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>चमक</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>सूर्यास्त के बाद की चमक। अँधेरे कमरे में कम चमक वाली स्क्रीन आँखों पर कम ज़ोर डालती है।</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>दिन की रोशनी में चमक, स्क्रीन की पूरी चमक के प्रतिशत में।</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>नींद की अवधि की चमक।</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>यह विंडो तभी बनाएँ जब इसे पहली बार खोला जाए; इससे मेमोरी और स्टार्ट-अप का समय बचता है।</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>बदलें</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>हर नए रंग रैम्प को थोड़ा बदलें, ताकि दोहराए गए रैम्प को अनदेखा करने वाला डिस्प्ले ड्राइवर Kavo के रंग फिर से ले ले, जैसे किसी गेम के उन्हें रीसेट करने के बाद।</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>अपडेट जाँचें</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>अभी जाँचें</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>पेज चुनें</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>चुनें कि Kavo किन मॉनिटरों को बदले, और क्या हर मॉनिटर के अपने रंग हों।</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>वैकल्पिक रेंडरर के साथ ClearType</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>टेक्स्ट को क्लिपबोर्ड पर कॉपी करने के लिए क्लिक करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>विंडो बंद करने पर वह छोटी होने के बजाय छिप जाती है।</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>रंग योजना</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>रंग तापमान</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>रंग</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>सूर्यास्त के बाद का रंग तापमान। शाम को गर्म रोशनी आपकी नींद के लिए बेहतर है।</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>दिन की रोशनी में रंग तापमान। 6500 K तटस्थ है; कम मान ज़्यादा गर्म होते हैं और उनमें नीली रोशनी कम होती है।</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>नींद की अवधि का रंग तापमान।</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>डार्क</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>दिन की चमक</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>दिन की रोशनी</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>दिन का तापमान</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>दिन का संक्रमण:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>डीबग</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>डीबग कंसोल</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>डीबग जानकारी</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>पूर्व की ओर डिग्री; पश्चिम में ऋणात्मक।</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>उत्तर की ओर डिग्री; दक्षिण में ऋणात्मक।</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>असंतृप्त</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>ड्यूटेरानोमली</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>ड्यूटेरानोपिया</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>सख़्त ब्रेक के दौरान कीबोर्ड काम नहीं करता।</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>हर चरण स्क्रीन को थोड़ा और बड़ा करता है।</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>हर</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>हर भाषा का नाम उसी भाषा में लिखा है।</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>विस्तारित मान</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>फ़ॉन्ट</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>फ़ॉन्ट स्मूदिंग</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>पूर्णिमा ऑफ़सेट:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>पूरी स्क्रीन के रंग फ़िल्टर: ग्रेस्केल, उलटाव, सेपिया और रंग-दृष्टि फ़िल्टर।</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>गेमिंग</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>हर मॉनिटर को उसका अपना तापमान और चमक दें; ऊपर के टैब से मॉनिटर चुनें।</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>ग्रेस्केल लाल</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>ग्रेस्केल 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>ग्रेस्केल 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>ग्रेस्केल 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>हरा</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>ग्रूट</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>स्वास्थ्य</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>बंद करने पर टास्कबार आइकन छिपाएँ</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Kavo आपके डेस्कटॉप के साथ कैसे काम करता है।</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Kavo स्क्रीन पर अपने रंग कैसे बनाए रखता है।</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Kavo आपकी सेटिंग्स कैसे सहेजता है और कैसे पहचानता है कि आप दूर हैं।</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>रंग तापमान स्क्रीन के रंगों में कैसे बदलता है।</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>दिन और रात में स्क्रीन कितनी चमकीली हो।</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Kavo के रुकने, फिर शुरू होने या मोड या प्रकार बदलने पर रंग कितनी देर में धीरे-धीरे बदलें।</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>दिन में बदलने में कितना समय लगे: सूर्योदय के आसपास केंद्रित, या घड़ी के अनुसार रात ख़त्म होने पर समाप्त।</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>रात में बदलने में कितना समय लगे: सूर्यास्त के आसपास केंद्रित, या घड़ी के अनुसार रात शुरू होने पर समाप्त।</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>नींद की अवधि में जाने और उससे निकलने में कितना समय लगे; ये सोने के समय और जागने के समय पर समाप्त होते हैं।</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>दिन और रात में स्क्रीन कितनी नीली रोशनी देती है।</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>पूर्णिमा पर रात और दिन कितना पहले शुरू हों।</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>अमावस्या पर रात और दिन कितना पहले शुरू हों।</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>चलता हुआ Kavo कितनी बार दोबारा जाँचे।</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>दिन, रात और नींद के बीच रंग कितनी धीमी गति से बदलें।</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>सिस्टम टेक्स्ट के किनारों को कैसे चिकना करता है।</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>रंग उलटें</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo नया संस्करण खोज सकता है और उसके आने पर आपको बता सकता है।</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo आपके स्थान पर सूर्य के अनुसार चलता है। अगर आपने अपना स्थान नहीं दिया है, तो यह उसे खुद पता कर लेता है।</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo ने आपके सिस्टम में कुछ बदलाव किए हैं और उन्हें लागू करने के लिए इसे फिर से चलाना होगा।</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo ने आपके सिस्टम में कुछ बदलाव किए हैं और उन्हें लागू करने के लिए कंप्यूटर को पुनः आरंभ करना होगा।</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo आपकी आँखों का ख़याल रखता है: रात में नरम रंग और आराम की याद।</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Kavo का संस्करण, आपका सिस्टम और डेस्कटॉप, और हर सेटिंग। कॉपी करने के लिए टेक्स्ट पर क्लिक करें।</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>सूर्य के अनुसार बदलने के बजाय हर समय रात की चमक रखें।</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>सूर्य के अनुसार बदलने के बजाय हर समय रात का मान रखें।</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>बैकग्राउंड में इंतज़ार करते समय Kavo को हल्का रखता है।</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>कुंजी दबाना आपकी उपस्थिति माना जाता है: लगभग 20 मिनट तक कोई कुंजी न दबने पर ब्रेक टाइमर रुक जाता है और आपके लौटने पर फिर शुरू होता है।</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>कीबोर्ड निष्क्रियता</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>बाद में</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>अक्षांश:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>प्रमुख रंग</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Kavo को ऊपर दी गई आवृत्ति सेट करने दें।</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>नया संस्करण आने पर Kavo आपको बताए।</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>रैखिक</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>रैखिक नीला</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>देशांतर:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Kavo शुरू होने पर और फिर नियमित रूप से नया संस्करण खोजें। अन्य सेटिंग्स के साथ सहेजा जाता है।</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>अभी खोजें</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>मैग्मस</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>आवर्धक</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>मॉनिटर प्रबंधित करें</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>मैन्युअल</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>मैन्युअल चमक</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>मैन्युअल नीली रोशनी</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>मैन्युअल रंग सेटिंग्स</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>मैन्युअल स्थान</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>मैन्युअल रात अवधि</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>कई स्क्रीन अपनी बैकलाइट को बहुत तेज़ी से चालू-बंद करके (PWM) मंद करती हैं। ज़्यादा आवृत्ति पर झिलमिलाहट कम होती है।</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>अधिकतम आवृत्ति</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>छोटा करें</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>मोड</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>मॉनिटर 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>मॉनिटर 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>मॉनिटर 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>मॉनिटर 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>मॉनिटर 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>मॉनिटर 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्रमा</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>माउस निष्क्रियता</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>माउस की हलचल आपकी उपस्थिति मानी जाती है: लगभग 20 मिनट तक हलचल न होने पर ब्रेक टाइमर रुक जाता है और आपके लौटने पर फिर शुरू होता है।</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>फ़िल्म</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>पूरी स्क्रीन के रंगों को फीका या गहरा करता है।</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>नेगेटिव ग्रेस्केल लाल</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>नेगेटिव ग्रेस्केल</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>नेगेटिव सेपिया</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>अमावस्या ऑफ़सेट:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>समाचार, सहायता और नवीनतम संस्करण।</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>रात की चमक</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>रात की रोशनी</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>रात का तापमान</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>रात का संक्रमण:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>रात समाप्त होती है:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>रात शुरू होती है:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>कोई स्मूदिंग नहीं</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>नीचे संक्रमण के समयों में दर्ज होता है; सूर्य की समय-सारणी खुद आपके सिस्टम के समय क्षेत्र के अनुसार चलती है।</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>ओलाफ़</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>पुरानी फ़ोटो</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>खोलें या बंद करें</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>वेबसाइट खोलें</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>UI निर्माण अनुकूलित करें</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>ओवरले</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>PWM नियंत्रण</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>PWM आवृत्ति</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>PWM नियंत्रण</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>रोकने का संक्रमण:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>रुका हुआ</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>हर मॉनिटर की अलग सेटिंग्स</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>24 घंटे का पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>उत्पादक</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>प्रोग्रामिंग</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>प्रोटानोमली</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>प्रोटानोपिया</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>पढ़ना</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>लाल</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Kavo को फिर से चलाना होगा</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>अभी फिर से चलाएँ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>कंप्यूटर पुनः आरंभ करना होगा</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>अभी पुनः आरंभ करें</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>रंग सामान्य करें</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>संतृप्ति</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>सहेजें और बंद करें</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>विंडो बंद होने पर बदलाव सहेजें। इसके बिना, विंडो बंद करने पर सहेजी गई सेटिंग्स वापस आ जाती हैं।</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>समय-सारणी</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>स्क्रीन</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>स्क्रीन प्रभाव</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>स्क्रीन प्रभाव</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>उपयोग के आँकड़े भेजें</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>सेपिया</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>हर रंग अपडेट के साथ आवृत्ति फिर से सेट करें, उन स्क्रीनों के लिए जो इसे भूल जाती हैं।</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>बदलाव दिखाएँ</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>सरल</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>सरल उलटाव</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>सरल दृश्य</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>नींद</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>नींद की चमक</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>नींद की रोशनी</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>नींद का संक्रमण:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>स्मार्ट उलटाव 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>स्मार्ट उलटाव 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>स्मार्ट उलटाव 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>स्मार्ट उलटाव 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>स्मार्ट उलटाव 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>मानक</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>स्टार्टअप पर Kavo शुरू करें</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>लॉग इन करने पर Kavo शुरू करें।</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>रात को सूर्य के बजाय घड़ी के अनुसार शुरू और समाप्त करें।</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>स्क्रीन के सामान्य आकार में आने तक एक-एक चरण पीछे जाता है।</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>सख़्त</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>धूप का चश्मा</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>रंग अदला-बदली</translation>
    </message>
    <message>
        <source>System</source>
        <translation>सिस्टम</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Kavo के इस संस्करण में हुए बदलाव।</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>दिन और रात में स्क्रीन का रंग तापमान, और उलटे रंग।</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>वह रंग जो गर्म तापमान पर सबसे प्रबल रहता है।</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>पूरी स्क्रीन पर लगाया गया फ़िल्टर।</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>PWM नियंत्रण चालू होने पर Kavo जो आवृत्ति सेट करता है। अपनी स्क्रीन के निर्माता से पूछें कि वह कौन-सी आवृत्तियाँ समर्थित करती है।</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>स्लाइडर में उपलब्ध सबसे ऊँची आवृत्ति, हर्ट्ज़ में।</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Kavo की विंडो, मेनू और संदेशों की भाषा।</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>चंद्रमा सूर्य की समय-सारणी को खिसकाता है: रात और दिन एक ऑफ़सेट जितना पहले शुरू होते हैं, जो चाँद के बढ़ने के साथ अमावस्या के मान से पूर्णिमा के मान तक जाता है।</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>नींद की अवधि यहाँ समाप्त होती है।</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>नींद की अवधि यहाँ शुरू होती है।</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>रंगों की वह तालिका जिसे Kavo गर्म से ठंडे तक अपनाता है।</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>यह स्क्रीन Kavo को PWM नियंत्रण नहीं देती: सहायक प्रोग्राम kavo_get_pwm_frequency मौजूद नहीं है या कोई आवृत्ति नहीं बताता।</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>यह डेस्कटॉप Kavo को बैकलाइट का नियंत्रण नहीं देता: स्क्रीन की चमक जैसी है वैसी ही रहती है।</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>इस डेस्कटॉप की नाइट लाइट केवल रंग तापमान दिखाती है: रंग योजनाओं, प्रमुख रंग और स्क्रीन प्रभावों को गामा तालिकाओं की आवश्यकता होती है।</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>समय क्षेत्र ऑफ़सेट:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>टाइमर</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>संक्रमण</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>ट्रिटानोमली</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>ट्रिटानोपिया</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>चुना गया फ़िल्टर चालू या बंद करें।</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>लगातार अपडेट करें</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>उन्नत सेटिंग्स का उपयोग करें</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>गामा फ़िक्सर का उपयोग करें</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>सॉफ़्टवेयर माउस कर्सर का उपयोग करें</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>खोजे गए स्थान के बजाय नीचे दिए गए निर्देशांकों का उपयोग करें।</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>सोने के समय और जागने के समय के बीच नींद के रंगों का उपयोग करें।</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>संस्करण</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>जागने का समय:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>सोने से पहले के घंटों के लिए ज़्यादा गर्म और मंद रंग।</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>फीका 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>फीका 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>फीका 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>वेबसाइट</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>नया क्या है</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>सहायता के अनुरोध के साथ क्या भेजना है। जब तक आप खुद न भेजें, कुछ भी आपके कंप्यूटर से बाहर नहीं जाता।</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>वह स्थान जिसके लिए Kavo सूर्योदय और सूर्यास्त की गणना करता है।</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>जहाँ डेस्कटॉप फ़ॉन्ट स्मूदिंग खुद तय करता है, वहाँ इस विकल्प का कोई असर नहीं होता।</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>आप कौन-से पेज और विंडो खोलते हैं, हर बार एक नई यादृच्छिक संख्या के साथ; आपका नाम या पता कभी नहीं। केवल तब, जब Kavo के इस बिल्ड में आँकड़ों का कोई पता दिया गया हो।</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>ज़ूम इन:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>ज़ूम आउट:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>ज़ूम इन</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ज़ूम आउट</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>माउस पॉइंटर के आसपास पूरी स्क्रीन को ज़ूम करता है।</translation>
    </message>
    <message>
        <source>day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>छिपा हुआ</translation>
    </message>
    <message>
        <source>month</source>
        <translation>महीना</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>प्रति मिनट</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>ब्रेक</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>दिख रहा</translation>
    </message>
    <message>
        <source>until</source>
        <translation>के बाद</translation>
    </message>
    <message>
        <source>week</source>
        <translation>सप्ताह</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>हो गया</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>एक मिनट के व्यायाम, जो आपकी स्क्रीन के कोने में एक-एक चरण करके दिखाए जाते हैं।</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>सामने वाले प्रोग्राम को उसके अपने रंग मिलते हैं: फ़िल्म के लिए ज़्यादा चमक, पढ़ने वाले ऐप के लिए ज़्यादा गर्म रंग।</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>ब्रेक से पहले और काम से पहले के आख़िरी सेकंडों में एक छोटी ध्वनि।</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>स्क्रीन के कोने में एक छोटी विंडो, जिसमें गिनती और कैमरे की तस्वीर होती है।</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>ऐप्स</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>कृत्रिम बुद्धिमत्ता (AI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>ऑटो क्लिकर</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>ब्रेक स्क्रीन अपने आप बंद करें</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>स्वचालित चमक</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>पीठ के व्यायाम</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>पलक झपकने की पहचान</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>पलक गिनती स्क्रीन</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>ब्रेक का अंतराल</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>ब्रेक</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>कैमरा</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>क्लिक हो रहा है</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>पॉइंटर जहाँ है, वहाँ बार-बार बायाँ माउस बटन क्लिक करता है।</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>रंग रोकने वाले प्रोग्राम</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>रंग ट्रिगर</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>इनमें से कोई प्रोग्राम दिखते समय रंग बदलना रुका रहता है: ड्रॉइंग, फ़ोटो और फ़िल्मों के लिए।</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>जारी रखें</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>तैयार होने पर जारी रखें।</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>प्रति मिनट अपनी पलकें झपकने की गिनती करें। स्क्रीन को घूरते समय लोग कम पलकें झपकाते हैं; गिनती आपको याद दिलाती है।</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 हर सेटिंग रीसेट करता है, Ctrl+Alt+Shift+F11 Kavo बंद करता है और Ctrl+Alt+Shift+F12 रंग रीसेट करता है, ऊपर के शॉर्टकट चाहे जो हों।</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>चमक घटाएँ</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>तापमान घटाएँ</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>चमकीली सामग्री दिखने पर स्क्रीन को थोड़ा मंद करें।</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>स्क्रीन ओवरले समाप्त करें</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>व्यायाम</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>आँखों के व्यायाम</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>सुविधा</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>फ़ुल-स्क्रीन ऐप्स</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>ब्रेक लें</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>अभी सामने</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>ब्रेक आने वाला है</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>चमक बढ़ाएँ</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>तापमान बढ़ाएँ</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>इनपुट</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>इंस्टॉल करें</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>जब स्क्रीन पर ज़्यादातर चमकीली सामग्री हो, तब रंग उलटें।</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo स्क्रीन को कमरे और उस पर दिख रही सामग्री के अनुसार ढालता है। कैमरे की तस्वीरें और स्क्रीनशॉट मापकर छोड़ दिए जाते हैं: उन्हें कभी सहेजा या कहीं भेजा नहीं जाता।</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo हर प्रोग्राम में अपने शॉर्टकट सुनता है।</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo आपको आँखों को आराम देने की याद दिलाता है: काम के हर दौर के बाद एक छोटा ब्रेक।</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Kavo संस्करण</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>स्क्रीन को आसपास के कमरे जितना चमकीला रखें।</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>कुंजी संयोजन, जो हर प्रोग्राम से Kavo तक पहुँचते हैं।</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>हल्का</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>&quot;हल्का&quot; एक सादा गहरा परदा है, जिसमें बचा हुआ समय दिखता है। &quot;सरल&quot; और &quot;मानक&quot; पूरे पेज हैं; &quot;मानक&quot; में घड़ी और ब्रेक के लिए एक सुझाव भी होता है।</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>स्क्रीन से नज़र हटाएँ और अपनी आँखों को आराम दें।</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>दूर देखें, आँखें घुमाएँ और पलकें झपकाएँ: दिन भर स्क्रीन पर टिकी आँखों को इसकी सबसे ज़्यादा ज़रूरत होती है।</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>मैन्युअल या स्वचालित</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>चमक को रोशनी के अनुसार करें</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>दो क्लिक के बीच मिलीसेकंड, कम से कम 10।</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>काम के मिनट, फिर ब्रेक के सेकंड।</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>माउस रोकने वाले प्रोग्राम</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>गर्दन के व्यायाम</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>सामान्य ब्रेक छोड़े जा सकते हैं, सख़्त नहीं। &quot;उत्पादक&quot; स्क्रीन ढकने के बजाय एक छोटी उलटी गिनती दिखाता है।</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>हर पंक्ति में एक प्रोग्राम, उसी नाम से जिससे वह चलता है (vlc, kmplayer)। केवल तब रोकने के लिए जब वह पूरी स्क्रीन भर दे, नाम के बाद fullscreen जोड़ें।</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>हर पंक्ति में एक प्रोग्राम, ठीक उसी नाम से जिससे वह चलता है (vlc, bsplayer)।</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>हर पंक्ति में एक प्रोग्राम, ठीक उसी नाम से जिससे वह चलता है (vlc, kmplayer)।</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>हर पंक्ति में एक प्रोग्राम: नाम = तापमान चमक, उदाहरण के लिए vlc = 6500 120। तापमान 0 से 10000 K, चमक 10 से 150 %।</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>सूची का कोई प्रोग्राम दिखते समय रंग बदलना रोकें।</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>कोई भी प्रोग्राम पूरी स्क्रीन भरने पर रंग बदलना रोकें।</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Kavo रोकें या फिर शुरू करें</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>टाइमर रोकें या फिर शुरू करें</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>टालें</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>टालने की अवधि</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>नया संयोजन दबाएँ</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>प्रोग्राम</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>प्रोग्राम और रंग</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Kavo बंद करें</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>ब्रेक स्क्रीन</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>स्क्रीन प्रभाव चालू या बंद</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>ओवरले</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>सेंसर</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>छोड़ें</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>धीरे-धीरे घुमाना और झुकाना, उस गर्दन के लिए जो बहुत देर एक ही स्थिति में रही।</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>स्मार्ट चमक</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>स्मार्ट उलटाव</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>शुरू करें</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>ब्रेक शुरू करें</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>स्क्रीन ओवरले शुरू करें</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>इसे यहाँ से, ट्रे मेनू से या Kavo बंद करके रोकें।</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>सूची का कोई प्रोग्राम दिखते समय ब्रेक टाइमर रोकें।</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>कोई भी प्रोग्राम पूरी स्क्रीन भरने पर ब्रेक टाइमर रोकें।</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>रुका हुआ</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>स्ट्रेचिंग, जो आप अपनी डेस्क के पास खड़े होकर कर सकते हैं।</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>सूची का कोई प्रोग्राम दिखते समय सॉफ़्टवेयर कर्सर बंद करें।</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>कोई भी प्रोग्राम पूरी स्क्रीन भरने पर सॉफ़्टवेयर कर्सर बंद करें।</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>ब्रेक से दस सेकंड पहले Kavo उसे इतने मिनट टालने का विकल्प देता है।</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>इनमें से कोई प्रोग्राम दिखते समय ब्रेक टाइमर रुका रहता है: फ़िल्में, प्रेज़ेंटेशन, कॉल।</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>कैमरा कमरे की रोशनी मापता है और चमक हर सेकंड थोड़ा-थोड़ा उसके अनुसार बदलती है।</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>वह प्रोग्राम जिसका आप उपयोग कर रहे हैं, उसी नाम से जो सूचियों में लिखा जाता है।</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>ब्रेक ख़त्म हुआ</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>इनमें से कोई प्रोग्राम दिखते समय सॉफ़्टवेयर कर्सर हट जाता है: गेम अपना कर्सर खुद बनाते हैं।</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>यह सख़्त ब्रेक है: यह अपने आप समाप्त होगा।</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>ब्रेक का समय</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>टाइमर रोकने वाले प्रोग्राम</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>टाइमर प्रकार</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>ध्वनियों का उपयोग करें</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>सूची का कोई प्रोग्राम सामने होने पर सूची के रंगों का उपयोग करें।</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>कमरे की रोशनी और पलक झपकने की गिनती के लिए पहले कैमरे का उपयोग करें।</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>ब्रेक के दौरान आपके मॉनिटरों पर क्या दिखे।</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>शॉर्टकट क्या करता है।</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>ब्रेक ख़त्म होते ही काम शुरू हो जाता है। इसके बिना ब्रेक स्क्रीन आपके जारी रखने का इंतज़ार करती है।</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>काम</translation>
    </message>
    <message>
        <source>min</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>सेकंड</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>के बाद ब्रेक</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b का अर्थ enable या disable है, %d पूर्ण संख्या, %f कोई संख्या, %s एक शब्द। किसी मंत्र को इनपुट में कॉपी करने के लिए उस पर क्लिक करें।</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>सक्रिय करें</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>हर सेटिंग रीसेट करने के लिए फिर से क्लिक करें</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>अपना मंत्र लिखें:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>निर्यात करें</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>छिपी सुविधाएँ</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>आयात करें</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>अपनी सेटिंग्स दूसरे कंप्यूटर पर ले जाएँ, या उनकी एक प्रति रखें।</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>डिफ़ॉल्ट पर रीसेट करें</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>सेटिंग्स निर्यात हो गईं</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>सेटिंग्स फ़ाइल</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>मंत्र</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>मंत्र उन सेटिंग्स को बदलते हैं जिनका पेजों पर कोई नियंत्रण नहीं है। यही मंत्र कमांड लाइन से भी काम करते हैं: kavo &quot;type dark&quot;।</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>स्क्रीन पर एक पारदर्शी रंगीन परत, जो उसे केवल रंगों से ज़्यादा मंद करती है और रंग देती है; क्लिक उसके आर-पार जाते हैं।</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>दिन की मंदता</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>दिन की अपारदर्शिता</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>आसपास का हिस्सा कितना गहरा हो।</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>रात में परत का रंग कितना ज़्यादा गहरा हो।</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>दिन में परत का रंग कितना ज़्यादा गहरा हो।</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>रात में परत स्क्रीन को कितना ढके।</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>दिन में परत स्क्रीन को कितना ढके।</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>इंडिगो</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>स्क्रीन पर एक चमकीला घेरा रखता है और उसके आसपास का हिस्सा गहरा कर देता है; क्लिक आर-पार जाते हैं।</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>नींबू पीला</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>उजाला</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>मैजेंटा</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>रात की मंदता</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>रात की अपारदर्शिता</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>अपारदर्शिता</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>नारंगी</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>ओवरले का रंग</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>बैंगनी</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>त्रिज्या</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>क्षेत्र रीसेट करें</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>सुर्ख़ लाल</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>स्क्रीन ओवरले</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>&quot;क्षेत्र चुनें&quot; पर क्लिक करें, फिर स्क्रीन पर खींचें: वह क्षेत्र साफ़ रहेगा। Escape से रद्द होता है।</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>क्षेत्र चुनें</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>परत दिखाएँ।</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>घेरा दिखाएँ।</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>परत का रंग।</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>चमकीले घेरे का आकार।</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>यह डेस्कटॉप यह प्रभाव केवल आपके निष्क्रिय रहने पर दिखाता है: दो सेकंड तक कोई गतिविधि न होने पर प्रभाव के साथ स्क्रीन की एक तस्वीर उसे ढक लेती है, जब तक आप कोई कुंजी न दबाएँ या माउस न हिलाएँ।</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>यह प्रभाव तुरंत दिखता है।</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>फ़िरोज़ी</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>जामुनी</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>स्क्रीन पर घेरे की क्षैतिज स्थिति।</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>स्क्रीन पर घेरे की ऊर्ध्वाधर स्थिति।</translation>
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
        <translation>पीला</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>सेटिंग्स आयात हो गईं</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>सेटिंग्स आयात नहीं हुईं</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 का %2 से टकराव है</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 का %2 के रंग बदलावों से टकराव है और आपको रंगों में चालू/बंद वाली झिलमिलाहट दिख सकती है।
%2 ऐसे ऐप्स को अपने आप बंद कर देता है, लेकिन अगर फिर भी समस्या हो तो कृपया दोनों में से एक ऐप अनइंस्टॉल करें।</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>बाकी समय: %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>कोई कैमरा नहीं मिला</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>ऑब्जेक्ट डिटेक्टर नहीं मिले</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>अमान्य मंत्र</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>मंत्र &quot;%1&quot; गलत लगता है। उसका सिंटैक्स जाँचें या कोई दूसरी छिपी सुविधा आज़माएँ।
सभी छिपी सुविधाओं की सूची देखने के लिए &quot;help&quot; का उपयोग करें :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>छिपी सुविधा सफल रही</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 सफल रहा</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>अमान्य तापमान</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 रंग तापमान के लिए अमान्य मान है। 0 और 10000 के बीच की संख्या दें।</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>तापमान बदला गया</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>रंग तापमान %1K किया गया</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>अमान्य चमक</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 चमक के लिए अमान्य मान है। 10 और 100 के बीच की संख्या दें।</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>चमक बदली गई</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>चमक %1% की गई</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>रात शुरू होने का अमान्य समय</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 रात शुरू होने के समय के लिए अमान्य मान है। 0 और 24 के बीच की संख्या दें।</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>रात शुरू होने का समय बदला गया</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>रात शुरू होने का मैन्युअल समय %1h किया गया</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>रात समाप्त होने का अमान्य समय</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 रात समाप्त होने के समय के लिए अमान्य मान है। 0 और 24 के बीच की संख्या दें।</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>रात समाप्त होने का समय बदला गया</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>रात समाप्त होने का मैन्युअल समय %1h किया गया</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo %1 प्रकार पर जा रहा है</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>कुछ ही पल में आपको स्क्रीन पर अंतर दिखेगा :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>सूचनाएँ चालू की गईं</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>छिपी सुविधाओं की सूचनाएँ चालू की गईं। ये इसलिए दिखती हैं ताकि आपको पता चले कि आपका मंत्र कब सफल हुआ</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>सूचनाएँ बंद की गईं</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>छिपी सुविधाओं की सूचनाएँ बंद की गईं। यह आपको दिखने वाली आख़िरी सूचना है</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>गामा फ़िक्सर चालू किया गया</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>गामा फ़िक्सर चालू किया गया। अगर आपको हर सेकंड रंगों में हल्का बदलाव दिखे, तो गामा फ़िक्सर फिर से बंद करें। गामा फ़िक्सर इसलिए उपयोग होता है क्योंकि Windows समय-समय पर Kavo mini के बदलावों को अनदेखा कर देता है।</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>गामा फ़िक्सर बंद किया गया</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>गामा फ़िक्सर बंद किया गया। अगर आपकी स्क्रीन अचानक चमकीली हो जाए, तो इसे फिर से चालू करें या Kavo mini आइकन पर कई बार क्लिक करें। दोनों से Kavo स्क्रीन के रंग फिर से बदलेगा।</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>सॉफ़्टवेयर कर्सर चालू किया गया</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>रंग बदलाव कर्सर पर भी लागू होंगे। अगर कर्सर ग़ायब होने लगे, तो उसे फिर से चमकीला करने के लिए &quot;disable software cursor&quot; का उपयोग करें।</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>हार्डवेयर कर्सर चालू किया गया</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>रंग बदलाव कर्सर पर लागू नहीं होंगे। अगर आपको रात में चमकीला नीला कर्सर पसंद नहीं है, तो कर्सर पर रंग बदलाव लागू करने के लिए &quot;enable software cursor&quot; का उपयोग करें।</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>टकराव वाले ऐप्स की अनुमति दी गई</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>टकराव वाले ऐप्स की अनुमति दी गई। अब आप स्क्रीन के रंग बदलने वाले दूसरे सॉफ़्टवेयर का उपयोग कर सकते हैं।</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>टकराव वाले ऐप्स रोके गए</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>टकराव वाले ऐप्स रोके गए, ताकि झिलमिलाहट न हो।</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>मॉनिटर %1 बंद किया गया</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo मॉनिटर %1 पर रंग बदलाव लागू नहीं करेगा</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>मॉनिटर %1 चालू किया गया</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo मॉनिटर %1 पर रंग बदलाव लागू करेगा</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>रंग सीमा पहले से विस्तारित है</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>रंग सीमा पहले से विस्तारित है। अगर कम मानों में समस्या हो, तो अपना कंप्यूटर पुनः आरंभ करके देखें। अगर समस्या बनी रहे, तो जाँचने और ठीक करने के लिए अपने कंप्यूटर की जानकारी के साथ हमें लिखें।</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>रंग सीमा विस्तारित नहीं हो सकी</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>रंग सीमा विस्तारित नहीं हो सकी: इसके लिए आपको व्यवस्थापक अनुमति चाहिए</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>ऐप फ़ोल्डर में कोई अनइंस्टॉलर नहीं है</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>&quot;%1&quot; में कोई अनइंस्टॉलर नहीं है
 आप %2 बंद करके फ़ोल्डर को खुद हटा सकते हैं</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>गामा संरक्षण चालू किया गया</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>अब से Kavo आपके रंग कैलिब्रेशन का ध्यान रखेगा। Kavo mini को बंद करके फिर से शुरू करें, तब यह दिन में आपके रंग बनाए रखेगा</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>गामा संरक्षण बंद किया गया</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>अब से Kavo आपके रंग कैलिब्रेशन का ध्यान नहीं रखेगा। इसके बजाय यह मॉनिटर की डिफ़ॉल्ट सेटिंग्स का उपयोग करेगा</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>स्टार्टअप पर शुरू होना चालू किया गया</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>कंप्यूटर चालू करने पर Kavo mini शुरू होगा</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>स्टार्टअप पर शुरू होना बंद किया गया</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>कंप्यूटर चालू करने पर Kavo mini शुरू नहीं होगा</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>ट्रे आइकन का घूमना चालू किया गया</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>जब Kavo स्क्रीन के रंग बदल रहा होगा, तब ट्रे आइकन घूमेगा। इससे पता चलता है कि Kavo mini रंग बदल रहा है और आपकी स्क्रीन कैलिब्रेटेड नहीं है</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>ट्रे आइकन का घूमना बंद किया गया</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>जब Kavo स्क्रीन के रंग बदल रहा होगा, तब ट्रे आइकन नहीं घूमेगा। यह सुविधा दिखाती है कि Kavo mini रंग बदल रहा है और आपकी स्क्रीन कैलिब्रेटेड नहीं है</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>रंग रीसेट करें</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>स्क्रीन के रंग डिफ़ॉल्ट मानों पर रीसेट किए गए</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>सेटिंग्स रीसेट करें</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Kavo की सेटिंग्स डिफ़ॉल्ट मानों पर रीसेट की गईं</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>कीबोर्ड हुक चालू किया गया</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>कीबोर्ड हुक चालू किया गया। अब आप पूरे सिस्टम में काम करने वाले शॉर्टकट उपयोग कर सकते हैं।</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>कीबोर्ड हुक बंद किया गया</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>कीबोर्ड हुक बंद किया गया। कुछ शॉर्टकट और सुविधाएँ ठीक से काम नहीं कर सकतीं</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>कीबोर्ड शॉर्टकट चालू किए गए</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>कीबोर्ड शॉर्टकट चालू किए गए। अब आप Kavo के शॉर्टकट उपयोग कर सकते हैं।</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>कीबोर्ड शॉर्टकट बंद किए गए</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>कीबोर्ड शॉर्टकट बंद किए गए। Kavo के शॉर्टकट काम नहीं करेंगे</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>आपातकालीन शॉर्टकट चालू किए गए</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>आपातकालीन शॉर्टकट चालू किए गए। अब आप Kavo के आपातकालीन शॉर्टकट उपयोग कर सकते हैं।</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>आपातकालीन शॉर्टकट बंद किए गए</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>आपातकालीन शॉर्टकट बंद किए गए। Kavo के आपातकालीन शॉर्टकट काम नहीं करेंगे</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>सभी कीबोर्ड शॉर्टकट और हुक चालू किए गए</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>सभी कीबोर्ड शॉर्टकट और हुक चालू किए गए। अब आप सिस्टम-व्यापी, Kavo के और आपातकालीन शॉर्टकट उपयोग कर सकते हैं।</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>सभी कीबोर्ड शॉर्टकट और हुक बंद किए गए</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>सभी कीबोर्ड शॉर्टकट और हुक बंद किए गए। सिस्टम-व्यापी, Kavo के और आपातकालीन शॉर्टकट काम नहीं करेंगे</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>मैन्युअल तापमान चालू किया गया</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>अब आप Kavo का मिश्रित मोड उपयोग कर रहे हैं</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>मैन्युअल तापमान बंद किया गया</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo तापमान के लिए फिर से आपका चुना हुआ मोड उपयोग करेगा</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>मैन्युअल चमक चालू की गई</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>अब आप Kavo mini का मिश्रित मोड उपयोग कर रहे हैं</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>मैन्युअल चमक बंद की गई</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini चमक के लिए फिर से आपका चुना हुआ मोड उपयोग करेगा</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>शून्य नीली रोशनी</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>स्क्रीन से सारी नीली रोशनी हटा दी गई</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>उलटें</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>रंग उलट दिए गए</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>मैन्युअल स्थान चालू किया गया</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini आपका मैन्युअल स्थान उपयोग करेगा। अक्षांश और देशांतर छिपी सुविधाओं से सेट करें</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>मैन्युअल स्थान बंद किया गया</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini स्वचालित स्थान उपयोग करेगा। स्थान से सूर्य की स्थिति और दिन व रात की अवधि की गणना होती है</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>अक्षांश बदला गया</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>अक्षांश %1° किया गया</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>देशांतर बदला गया</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>देशांतर %1° किया गया</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>मैन्युअल रात अवधि चालू की गई</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini मैन्युअल रात अवधि उपयोग करेगा। शुरू और समाप्ति का समय छिपी सुविधाओं से सेट करें</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>मैन्युअल रात अवधि बंद की गई</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini स्थान के आधार पर स्वचालित रात अवधि उपयोग करेगा। स्थान से सूर्य की स्थिति और दिन व रात की अवधि की गणना होती है</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>निर्यात के लिए कोई फ़ाइल नहीं चुनी गई</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>निर्यात की फ़ाइल लिखी नहीं जा सकी: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>सेटिंग्स %1 में निर्यात हो गईं</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>आयात के लिए कोई फ़ाइल नहीं चुनी गई</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>आयात की फ़ाइल खोली नहीं जा सकी</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>फ़ाइल आयात के लिए बहुत बड़ी है (1 MiB से ज़्यादा): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>सेटिंग्स आयात के लिए बहुत बड़ी हैं (1 MiB से ज़्यादा)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>यह Kavo की सेटिंग्स फ़ाइल नहीं है: यह &quot;#Created by&quot; हेडर से शुरू नहीं होती</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>आयात के लिए कोई सेटिंग नहीं: फ़ाइल में ऐसी कोई सेटिंग नहीं है जिसे Kavo पहचानता हो</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>सेटिंग्स लिखी नहीं जा सकतीं: आयात सहेजा नहीं गया</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>%1 सेटिंग्स आयात हुईं</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, %1 अज्ञात कुंजियाँ अनदेखी की गईं</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, %1 अमान्य पंक्तियाँ छोड़ी गईं</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 के बाद काम</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 के बाद ब्रेक</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 आपको याद दिलाता है कि %2 मिनट में एक लंबा ब्रेक होगा।</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 आपको याद दिलाता है कि 30 सेकंड में एक लंबा ब्रेक होगा।</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>लंबा ब्रेक आने वाला है</translation>
    </message>
    <message>
        <source>work</source>
        <translation>काम</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>काम पर लौटें</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>आगे की ओर झुकें और बाँहों को ढीला लटकने दें।</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>बार-बार पलकें झपकाएँ: स्क्रीन के सामने हम यह भूल जाते हैं।</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>कुछ सेकंड तेज़ी से पलकें झपकाएँ, फिर आँखें बंद करें।</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>%1 में ब्रेक आने वाला है</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>ठुड्डी को छाती तक लाएँ और धीरे-धीरे वापस ऊपर उठाएँ।</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>आँखें बंद करें और धीरे-धीरे साँस लें।</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>एक गिलास पानी पिएँ।</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc से शॉर्टकट बना रहता है, Backspace से हट जाता है।</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>कैमरे की तस्वीर छिपाएँ</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>इस कुंजी के साथ Ctrl, Alt या Meta दबाए रखें।</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo इस कुंजी को शॉर्टकट में उपयोग नहीं कर सकता।</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>कम से कम छह मीटर दूर किसी चीज़ को देखें।</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>किसी दूर की चीज़ को देखें, हो सके तो खिड़की से बाहर।</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>ऊपर, नीचे, बाएँ और दाएँ देखें, हर ओर एक साँस तक रुकें।</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>मॉनिटर %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>हाथ कमर पर रखें और धीरे से पीछे की ओर झुकें।</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>ब्रेक</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>कंधों को कुछ बार पीछे की ओर घुमाएँ।</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>कंधों को पाँच बार पीछे की ओर घुमाएँ।</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>कैमरे की तस्वीर दिखाएँ</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>आँखों को धीरे-धीरे गोल घुमाएँ, फिर उलटी दिशा में।</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>खड़े हो जाएँ और दोनों बाँहें सिर के ऊपर ले जाएँ।</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>खड़े हो जाएँ और बाँहों को सिर के ऊपर फैलाएँ।</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>चरण %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>कैमरा बंद है</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>दोनों ओर बारी-बारी से कान को कंधे की ओर झुकाएँ।</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>सिर को धीरे-धीरे बाईं ओर घुमाकर रुकें, फिर दाईं ओर।</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>शरीर के ऊपरी हिस्से को धीरे-धीरे दोनों ओर मोड़ें।</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>पलक झपकने की पहचान बंद है</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>के बाद काम</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Kavo सेटिंग्स फ़ाइल (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>फ़ाइल सहेजें...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>फ़ाइल खोलें...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>यह विंडो नहीं दिखाई जा सकती: Kavo का वेब भाग मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>कैमरा सुविधाएँ मौजूद नहीं हैं</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>सेटिंग्स सहेजी नहीं जा सकतीं</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland किसी भी प्रोग्राम को उपयोगकर्ता की जगह क्लिक नहीं करने देता: ऑटो क्लिकर उपलब्ध नहीं है।</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland किसी भी प्रोग्राम को माउस कर्सर बनाने नहीं देता: सॉफ़्टवेयर कर्सर उपलब्ध नहीं है।</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland सामान्य प्रोग्रामों को स्क्रीन की कोई तस्वीर नहीं देता: आपके निष्क्रिय रहने पर तस्वीर पर काम करने वाले प्रभाव उपलब्ध नहीं हैं।</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME किसी प्रोग्राम को नहीं बताता कि कौन सी विंडो सामने है (इसके लिए Shell एक्सटेंशन चाहिए): पॉज़र और ट्रिगर प्रोग्राम नहीं देख सकते।</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>यह कंपोज़िटर किसी प्रोग्राम को नहीं बताता कि कौन सी विंडो सामने है: पॉज़र और ट्रिगर प्रोग्राम नहीं देख सकते।</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>यह डेस्कटॉप नहीं बताता कि आप कब निष्क्रिय हैं: निष्क्रियता टाइमर को नहीं रोकती।</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>यह डेस्कटॉप कुंजियाँ अपने पास रखता है: हर शॉर्टकट को कंपोज़िटर की कॉन्फ़िगरेशन में जोड़ें, उदाहरण के लिए sway में &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; या Hyprland में &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help सभी क्रियाएँ दिखाता है)।</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>यह डेस्कटॉप किसी विंडो को सबके ऊपर रहने नहीं देता: ओवरले का रंग स्क्रीन के रंगों से होकर जाता है, और प्रकाश-बिंदु नहीं दिखाया जाता।</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>यह डेस्कटॉप किसी प्रोग्राम को कीबोर्ड लेने नहीं देता: सख़्त ब्रेक दूसरे प्रोग्रामों को कुंजियों से दूर नहीं रख सकते।</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>इस डेस्कटॉप में ट्रे नहीं है (कोई StatusNotifierWatcher नहीं): इसकी विंडो खोलने के लिए Kavo को फिर से शुरू करें।</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;कस्टम</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;स्वास्थ्य</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;नींद</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;गेमिंग</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>प&amp;ढ़ना</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>&amp;प्रोग्रामिंग</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;बायोहैकर</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>&amp;धूप का चश्मा</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;डार्क</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;फ़िल्म</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>&amp;ओवरले</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>रंग रोकने वाले प्रोग्राम</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>टाइमर रोकने वाले प्रोग्राम</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>माउस रोकने वाले प्रोग्राम</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>सेटिंग्स</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>मोड</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>मोड &amp;बदलें</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;स्वचालित</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;मैन्युअल</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;रुका हुआ</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>ऑटो क्लिकर रोकें</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>बाहर निकलें</translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
</TS>
