<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>What is new</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>This build of Kavo names no page with its changes.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>This build of Kavo names no website.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>Line %1 is not &quot;program = temperature brightness&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Restart your PC</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Copy all</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>CLICK TO COPY THE TEXT TO CLIPBOARD</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Kavo Color Effects</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Failed to initialize color effects.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
</context>
<context>
    <name>TaskbarButton</name>
    <message>
        <source>Work/Break</source>
        <translation>Work/Break</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Reset timer</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Pause/Resume</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Timer paused</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>CLICK TO COPY THE TEXT TO CLIPBOARD</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Detected current Clock time</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Local time</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>UTC time</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Day start time</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Day transition start time</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Day transition end time</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Day end time</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Night start time</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Night transition start time</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Night transition end time</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Night end time</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Day duration</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Day transition duration</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Night duration</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Night transition duration</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Custom Time zone offset</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Sunrise time</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Sunset time</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>New moon offset</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Full moon offset</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Current moon offset</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Bedtime</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Bedtime transition start time</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Bedtime transition end time</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Bedtime end time</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Wake time</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Wake time transition start time</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Wake time transition end time</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Wake time end time</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Sleep duration</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Sleep transition duration</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Use Automatic Location</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Use Manual Night Duration</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Location unknown: set it by hand</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>New version available</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 is available</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>This build of Kavo names no update server</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>No answer from the update server</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>The update server&apos;s answer could not be read</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo is up to date</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % leaves colours as they are; 0 % is grey.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>A cursor drawn in software takes on the screen colours.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>A window with Kavo&apos;s log as it is written. Click again to close it.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Achromatomaly</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsia</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Allows values from 0 K (deep red) to 10000 K (cold blue).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Allows values from 10 % to 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Apply the saturation above.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Ask the update server once, whatever the settings above.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Automatic Updates</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Autosave settings changes</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Bedtime:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Block keyboard on strict mode</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Blue light</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Brightness in daylight, in percent of the full screen brightness.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Brightness of the sleep period.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Build this window only when it is first opened, which saves memory and start-up time.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Check now</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Choose pages</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Choose the monitors Kavo changes, and whether each has colours of its own.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType with alternative renderer</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Click to copy the text to the clipboard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Closing the window hides it instead of minimising it.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Color Scheme</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Color Temperature</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Colour temperature of the sleep period.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Day Brightness</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Day Light</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Day Temperature</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Day Transition:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Debug console</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Debug information</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Degrees east; negative in the west.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Degrees north; negative in the south.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Desaturated</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deuteranomaly</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopia</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>During strict breaks the keyboard does nothing.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Each step enlarges the screen a little more.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Every language is named in its own words.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Extended values</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Fonts type</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Full Moon offset:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Gaming</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Grayclase Red</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Grayscale 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Grayscale 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Grayscale 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Health</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Hide Taskbar icon on close</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>How Kavo fits into your desktop.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>How Kavo keeps its colours on the screen.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>How Kavo keeps your settings and notices that you are away.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>How a colour temperature turns into screen colours.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>How bright the screen is by day and by night.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>How long colours glide when Kavo pauses, resumes or changes mode or type.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>How much blue light the screen gives off by day and by night.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>How much earlier night and day begin at full moon.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>How much earlier night and day begin at new moon.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>How often a running Kavo looks again.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>How slowly the colours change between day, night and sleep.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>How the system smooths the edges of text.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Invert colors</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo can look for a new version and tell you when one is out.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo follows the sun at your location. Without a location of your own it looks one up.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo made some changes on your system and needs to relaunch for them to take effect.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo made some changes on your system and restart is needed for changes to take effect.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Keep the night brightness all the time instead of following the sun.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Keep the night value all the time instead of following the sun.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Keeps Kavo light while it waits in the background.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Keyboard inactivity</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Leading Color</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Let Kavo set the frequency above.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Let Kavo tell you when a new version is out.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Linear Blue</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Look now</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Manage monitors</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Manual Brightness</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Manual blue light</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Manual color settings</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Manual location</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Manual night duration</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Max Frequency</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Monitor 1</source>
        <translation>Monitor 1</translation>
    </message>
    <message>
        <source>Monitor 2</source>
        <translation>Monitor 2</translation>
    </message>
    <message>
        <source>Monitor 3</source>
        <translation>Monitor 3</translation>
    </message>
    <message>
        <source>Monitor 4</source>
        <translation>Monitor 4</translation>
    </message>
    <message>
        <source>Monitor 5</source>
        <translation>Monitor 5</translation>
    </message>
    <message>
        <source>Monitor 6</source>
        <translation>Monitor 6</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Mouse inactivity</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Movie</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Mutes or strengthens the colours of the whole screen.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Negative Grayclased Red</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Negative Grayscale</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Negative Sepia</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>New Moon offset:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>News, help and the latest version.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Night Brightness</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Night Light</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Night Temperature</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Night Transition:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Night ends at:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Night starts at:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>No smoothing</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Old Photo</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Open or close</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Open website</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Optimize UI Creation</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Overlay</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>PWM Control</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>PWM Frequency</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>PWM control</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Pause Transition:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Per Monitor Settings</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Preview 24 hours</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Productive</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomaly</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopia</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Relaunch is needed</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Relaunch now</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Restart is needed</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Restart now</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Revert colors</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Save and close</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Save changes when the window closes. Without it, closing the window brings back the saved settings.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Screen effect</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Screen effects</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Send usage statistics</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Sephia</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Set the frequency again with every colour update, for screens that lose it.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Show changes</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Simple Inversion</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Simple view</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Sleep Brightness</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Sleep Light</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Sleep Transition:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Smart Inversion 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Smart Inversion 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Smart Inversion 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Smart Inversion 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Smart Inversion 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Start Kavo on startup</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Start Kavo when you log in.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Start and end the night by the clock instead of by the sun.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Steps back until the screen is at its normal size.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Strict</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Sunglasses</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Swap Colors</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>The changes in this version of Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>The colour temperature of the screen by day and by night, and inverted colours.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>The colour that stays strongest at warm temperatures.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>The filter laid over the whole screen.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>The highest frequency the slider offers, in hertz.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>The language of Kavo&apos;s windows, menus and messages.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>The sleep period ends here.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>The sleep period starts here.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>The table of colours Kavo follows from warm to cold.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Time zone offset:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomaly</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopia</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Turn the chosen filter on or off.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Update continuously</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Use Advanced Settings</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Use Gamma Fixer</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Use software mouse cursor</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Use the coordinates below instead of the looked-up location.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Use the sleep colours between bedtime and wake time.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Wake time:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Warmer, dimmer colours for the hours before you go to bed.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Washout 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Washout 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Washout 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>What is new</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>What to send with a request for help. Nothing leaves your computer unless you send it.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Where Kavo computes sunrise and sunset for.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Where the desktop decides font smoothing itself, this choice has no effect.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Zoom In:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Zoom Out:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Zooms the whole screen around the mouse pointer.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>day</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>hidden</translation>
    </message>
    <message>
        <source>month</source>
        <translation>month</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>per minute</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>rest</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>shown</translation>
    </message>
    <message>
        <source>until</source>
        <translation>until</translation>
    </message>
    <message>
        <source>week</source>
        <translation>week</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>A minute of exercises, shown step by step in the corner of your screen.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>A program in front gets colours of its own: a film brighter, a reader warmer.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>A short tone in the last seconds before a rest and before work.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>A small window in the corner of the screen with the count and the camera picture.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Artificial intelligence (AI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Auto clicker</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Auto close rest screen</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Automatic brightness</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Back exercises</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Blink detection</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Blink screen</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Break every</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Breaks</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Clicking</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Clicks the left mouse button where the pointer is, again and again.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Color pausers</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Color triggers</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Colour changes pause while one of these programs shows: for drawing, photos and films.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Continue when you are ready.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Decrease brightness</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Decrease temperature</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Dim the screen a little while it shows bright content.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>End screen overlay</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Eye exercises</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Feature</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Fullscreen apps</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Have a rest</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>In front now</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Incoming break</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Increase brightness</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Increase temperature</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Invert the colours while the screen shows mostly bright content.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo listens to its shortcuts in every program.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Kavo version</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Keep the screen as bright as the room around it.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Key combinations that reach Kavo from every program.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Lite</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Look away from the screen and let your eyes relax.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Look far, roll and blink: eyes that focus on a screen all day need it most.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Manual or automatic</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Match brightness to lighting</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Milliseconds between two clicks, at least 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Minutes of work, then seconds of rest.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Mouse pausers</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Neck exercises</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>One program per line, named exactly as it runs (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>One program per line, named exactly as it runs (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Pause colour changes while a listed program shows.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Pause colour changes while any program fills the screen.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Pause or resume Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Pause or resume the timer</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Postpone</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Postpone duration</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Press the new combination</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Programs and colours</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Quit Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Rest screen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Screen effects on or off</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Overlays</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Shortcut</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Slow turns and tilts for a neck that held one position too long.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Smart brightness</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Smart inversion</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Start a break</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Start screen overlay</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Stop it here, from the tray menu or by quitting Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Stop the break timer while a listed program shows.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Stop the break timer while any program fills the screen.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Stretches you can do standing beside your desk.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Switch the software cursor off while a listed program shows.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Switch the software cursor off while any program fills the screen.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Ten seconds before a rest Kavo offers to move it by this many minutes.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>The break timer stops while one of these programs shows: films, presentations, calls.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>The camera measures the room light and the brightness follows it, a little every second.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>The program you are using, as the lists name it.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>The rest is over</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>The software cursor goes while one of these programs shows: games draw their own.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>This is a strict rest: it ends by itself.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Time for a rest</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Timer pausers</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Timer type</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Use sounds</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Use the colours of the list while a listed program is in front.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Use the first camera for the room light and the blink count.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>What covers your monitors during a rest.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>What the shortcut does.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>until rest</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Activate</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Click again to reset every setting</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Enter your spell:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Hidden features</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Move your settings to another computer, or keep a copy.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Reset to defaults</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Settings exported</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Settings file</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Spells</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Day Dim</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Day Opacity</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>How dark the surroundings are.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>How much darker the layer&apos;s colour is at night.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>How much darker the layer&apos;s colour is by day.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>How much the layer covers the screen at night.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>How much the layer covers the screen by day.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Lemon</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Lightness</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Night Dim</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Night Opacity</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Overlay color</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Reset area</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Scarlet</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Screen overlay</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Select an area, then drag over the screen: the area stays clear. Escape cancels.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Select area</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Show the layer.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Show the spot.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>The colour of the layer.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>The size of the bright spot.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>This effect shows at once.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Where the spot sits across the screen.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Where the spot sits down the screen.</translation>
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
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Settings imported</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Settings not imported</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 conflicts with %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Remaining %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>No camera found</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Object detectors not found</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Invalid spell</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Hidden feature succeeded</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 succeeded</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Invalid temperature</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 is invalid value for Color temperature. Use number between 0 and 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Temperature changed</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Color temperature changed to %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Invalid brightness</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 is invalid value for Brightness. Use number between 10 and 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Brightness changed</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Brightness changed to %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Invalid Night start time</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 is invalid value for Night start time. Use number between 0 and 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Night start time changed</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Manual night start time changed to %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Invalid Night end time</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 is invalid value for Night end time. Use number between 0 and 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Night end time changed</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Manual night end time changed to %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo is switching to %1 type</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>You will see the difference in your screen after a moment :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Notifications enabled</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Hidden features notifications are enabled. They are show so you will know when your spell is successful</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Notifications disabled</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Hidden features notifications are disabled. This is the last notification that you will see</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Gamma fixer enabled</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Gamma fixer disabled</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Software cursor enabled</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Hardware cursor enabled</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Conflicting applications enabled</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Conflicting applications disabled</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Monitor %1 disabled</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo will not apply color changes to Monitor %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Monitor %1 enabled</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo will apply color changes to Monitor %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>Color range is already expanded</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Expand color range Failed</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Expand color range Failed you need Admin permission to execute this</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>No uninstaller in the App folder</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Gamma preservation enabled</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Gamma preservation disabled</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Start at startup enabled</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini will start when you turn ON your computer</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Start at startup disabled</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini will not start when you turn ON your computer</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Tray icon rotation is enabled</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Tray icon rotation is disabled</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Reset colors</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Screen colors are reset to default values</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Reset settings</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Kavo settings are reset to default values</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Keyboard Hook enabled</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Keyboard Hook enabled. You can now use system-wide shortcuts.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Keyboard Hook disabled</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Keyboard Hook disabled. Some shortcuts and features may not work as intended</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Keyboard Shortcuts enabled</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Keyboard Shortcuts disabled</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Keyboard Shortcuts disabled. Kavo shortcuts will not work</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Panic Keyboard Shortcuts enabled</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Panic Keyboard Shortcuts disabled</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>All Keyboard Shortcuts and Hooks enabled</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>All Keyboard Shortcuts and Hooks disabled</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Manual temperature enabled</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>You are now using Kavo Mixed mode</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Manual temperature disabled</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo will use your selected mode for temperature again</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Manual brightness enabled</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>You are now using Kavo mini Mixed mode</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Manual brightness disabled</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini will use your selected mode for brightness again</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Zero blue light</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>All blue light is removed from the screen</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Colors are inverted</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Manual location enabled</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Manual location disabled</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Latitude changed</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Latitude changed to %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Longitude changed</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Longitude changed to %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Manual night duration enabled</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini will use manual night duration. Set start and end time with the hidden features</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Manual night duration disabled</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>No File selected for Export</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Failed to write file for Export: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Settings exported to %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>No File selected for Import</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Failed to open file for Import</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>File too large for Import (over 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Settings too large for Import (over 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>No settings to import: the file holds no setting Kavo knows</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Settings not writable: the import was not saved</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>%1 settings imported</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, %1 unknown keys ignored</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, %1 invalid lines skipped</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 until work</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 until rest</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 reminds you that a big rest will occur in %2 minutes.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 reminds you that a big rest will occur in 30 seconds.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Big rest incoming</translation>
    </message>
    <message>
        <source>work</source>
        <translation>work</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Back to work</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Bend forward and let your arms hang loose.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Blink often: screens make us forget to.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Blink quickly for a few seconds, then close your eyes.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Break is coming in %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Bring your chin to your chest and lift it back slowly.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Close your eyes and breathe slowly.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Drink a glass of water.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc keeps the shortcut, Backspace removes it.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Hide the camera picture</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Hold Ctrl, Alt or Meta with this key.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo cannot use this key in a shortcut.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Look at something at least six metres away.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Look at something far away, out of a window if you can.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Look up, down, left and right, holding each for a breath.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Monitor %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Put your hands on your hips and lean back gently.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Roll your shoulders back a few times.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Roll your shoulders back five times.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Show the camera picture</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Slowly roll your eyes in a circle, then the other way.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Stand up and reach both arms above your head.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Stand up and stretch your arms above your head.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Step %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>The camera is off</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Tilt your ear toward your shoulder on each side.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Turn your head slowly to the left and hold, then to the right.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Twist your upper body slowly to each side.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>blink detection is off</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>until work</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Kavo Settings File (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Save File...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Open File...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>This window cannot be shown: Kavo&apos;s web part is missing.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Camera features are missing</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Settings cannot be saved</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland lets no program click for the user: the auto clicker is not available.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland lets no program draw the mouse cursor: the software cursor is not available.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>This desktop does not say when you are idle: inactivity does not stop the timer.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Custom</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Health</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;Sleep</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Gaming</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Reading</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>&amp;Programming</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Biohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>&amp;Sunglasses</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dark</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Movie</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>&amp;Overlay</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Color pausers</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Timer pausers</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Mouse pausers</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>&amp;Change mode</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatic</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;Paused</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Stop auto clicker</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
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
