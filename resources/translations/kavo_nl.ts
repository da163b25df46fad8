<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Wat is er nieuw</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Deze build van Kavo noemt geen pagina met de wijzigingen.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Deze build van Kavo noemt geen website.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Deze desktop kan de muisaanwijzer niet in software tekenen: de aanwijzer blijft zoals hij is.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>Regel %1 heeft niet de vorm &quot;programma = temperatuur helderheid&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Start je pc opnieuw op</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo heeft een kleine wijziging aangebracht om lagere waarden mogelijk te maken. Start je pc één keer opnieuw op om alle functies te ontgrendelen.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Sommige functies zijn beperkt, omdat je je pc opnieuw moet opstarten. Je gebruikt nu de kleur-API op hoog niveau.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Alles kopiëren</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>KLIK OM DE TEKST NAAR HET KLEMBORD TE KOPIËREN</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Kavo-kleureffecten</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Kan de kleureffecten niet initialiseren.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
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
        <translation>uur</translation>
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
        <translation>Werk/Pauze</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Timer resetten</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Pauzeren/Hervatten</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Timer gepauzeerd</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>KLIK OM DE TEKST NAAR HET KLEMBORD TE KOPIËREN</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Gedetecteerde huidige tijd</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Lokale tijd</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>UTC-tijd</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Begin van de dag</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Begin van de overgang naar de dag</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Einde van de overgang naar de dag</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Einde van de dag</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Begin van de nacht</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Begin van de overgang naar de nacht</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Einde van de overgang naar de nacht</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Einde van de nacht</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Duur van de dag</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Duur van de overgang naar de dag</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Duur van de nacht</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Duur van de overgang naar de nacht</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Tijdzone</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Aangepaste tijdzoneverschuiving</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Tijd van zonsopkomst</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Tijd van zonsondergang</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Vervroeging bij nieuwe maan</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Vervroeging bij volle maan</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Huidige vervroeging door de maan</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Bedtijd</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Begin van de overgang naar bedtijd</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Einde van de overgang naar bedtijd</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Einde van de slaapperiode</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Wektijd</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Begin van de overgang naar wektijd</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Einde van de overgang naar wektijd</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Einde van de wakkere periode</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Slaapduur</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Duur van de slaapovergang</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Automatische locatie gebruiken</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Handmatige nachtduur gebruiken</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Locatie onbekend: stel deze handmatig in</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Nieuwe versie beschikbaar</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 is beschikbaar</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Deze build van Kavo noemt geen updateserver</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Geen antwoord van de updateserver</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Het antwoord van de updateserver kan niet worden gelezen</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo is up-to-date</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % laat de kleuren zoals ze zijn; 0 % is grijs.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Een in software getekende aanwijzer neemt de schermkleuren over.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Een venster met het logboek van Kavo terwijl het wordt geschreven. Klik nogmaals om het te sluiten.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Achromatomalie</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Staat waarden toe van 0 K (dieprood) tot 10000 K (koud blauw).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Staat waarden toe van 10 % tot 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>De verzadiging hierboven toepassen.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Vraag de updateserver één keer, ongeacht de instellingen hierboven.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Automatische updates</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Wijzigingen automatisch opslaan</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Bedtijd:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Toetsenbord blokkeren bij strenge pauzes</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Blauw licht</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Helderheid na zonsondergang. Een minder fel scherm vermoeit de ogen minder in een donkere kamer.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Helderheid overdag, in procenten van de volle schermhelderheid.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Helderheid van de slaapperiode.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Bouw dit venster pas op wanneer het voor het eerst wordt geopend; dat bespaart geheugen en opstarttijd.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Verander elke nieuwe kleurcurve een beetje, zodat een beeldschermstuurprogramma dat een herhaalde curve negeert de kleuren van Kavo weer overneemt, bijvoorbeeld nadat een game ze heeft teruggezet.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Nu controleren</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Pagina&apos;s kiezen</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Kies de monitors die Kavo aanpast, en of elke monitor eigen kleuren heeft.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType met alternatieve renderer</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Klik om de tekst naar het klembord te kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Als je het venster sluit, wordt het verborgen in plaats van geminimaliseerd.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Kleurenschema</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Kleurtemperatuur</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Kleurtemperatuur na zonsondergang. Warm licht in de avond is beter voor je slaap.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Kleurtemperatuur overdag. 6500 K is neutraal; lagere waarden zijn warmer en bevatten minder blauw licht.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Kleurtemperatuur van de slaapperiode.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Helderheid overdag</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Daglicht</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Temperatuur overdag</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Overgang naar de dag:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Foutopsporing</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Foutopsporingsconsole</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Foutopsporingsinformatie</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Graden oost; negatief in het westen.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Graden noord; negatief in het zuiden.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Onverzadigd</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deuteranomalie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Tijdens strenge pauzes doet het toetsenbord niets.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Elke stap vergroot het scherm iets meer.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Elke</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Elke taal wordt in haar eigen taal genoemd.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Uitgebreide waarden</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Lettertypen</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Lettertypeweergave</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Vervroeging bij volle maan:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Kleurfilters voor het hele scherm: grijstinten, omkeringen, sepia en filters voor kleurenzien.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Gamen</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Geef elke monitor een eigen temperatuur en helderheid; kies de monitor met de tabbladen hierboven.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Grijstinten rood</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Grijstinten 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Grijstinten 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Grijstinten 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gezondheid</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Taakbalkpictogram verbergen bij sluiten</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Hoe Kavo in je desktop past.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Hoe Kavo zijn kleuren op het scherm houdt.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Hoe Kavo je instellingen bewaart en merkt dat je weg bent.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Hoe een kleurtemperatuur schermkleuren wordt.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Hoe helder het scherm is overdag en &apos;s nachts.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Hoe lang de kleuren overvloeien wanneer Kavo pauzeert, hervat of van modus of type wisselt.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Hoe lang de overgang naar de dag duurt: rond zonsopkomst, of eindigend wanneer de nacht volgens de klok eindigt.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Hoe lang de overgang naar de nacht duurt: rond zonsondergang, of eindigend wanneer de nacht volgens de klok begint.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Hoe lang de overgangen naar en uit de slaapperiode duren; ze eindigen op bedtijd en op wektijd.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Hoeveel blauw licht het scherm geeft, overdag en &apos;s nachts.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>Hoeveel eerder nacht en dag beginnen bij volle maan.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>Hoeveel eerder nacht en dag beginnen bij nieuwe maan.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Hoe vaak Kavo, terwijl het draait, opnieuw kijkt.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Hoe langzaam de kleuren veranderen tussen dag, nacht en slaap.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Hoe het systeem de randen van tekst gladstrijkt.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Kleuren omkeren</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo kan naar een nieuwe versie zoeken en je laten weten wanneer die uit is.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo volgt de zon op je locatie. Zonder eigen locatie zoekt het er zelf een op.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo heeft een aantal wijzigingen in je systeem aangebracht en moet opnieuw starten om ze door te voeren.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo heeft een aantal wijzigingen in je systeem aangebracht; de pc moet opnieuw worden opgestart om ze door te voeren.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo zorgt voor je ogen: zachtere kleuren &apos;s nachts en herinneringen om te rusten.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>De versie van Kavo, je systeem en desktop, en alle instellingen. Klik op de tekst om hem te kopiëren.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Altijd de nachthelderheid gebruiken in plaats van de zon te volgen.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Altijd de nachtwaarde gebruiken in plaats van de zon te volgen.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Houdt Kavo licht terwijl het op de achtergrond wacht.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Toetsaanslagen tellen als aanwezigheid: de pauzetimer stopt na ongeveer 20 minuten zonder toetsaanslagen en start weer wanneer je terug bent.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Toetsenbordinactiviteit</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breedtegraad:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Hoofdkleur</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Kavo de frequentie hierboven laten instellen.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Laat Kavo je waarschuwen wanneer er een nieuwe versie uit is.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineair</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Lineair blauw</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Lengtegraad:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Zoek naar een nieuwe versie wanneer Kavo start, en daarna regelmatig. Wordt met de andere instellingen opgeslagen.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Nu zoeken</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Vergroting</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Monitors beheren</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handmatig</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Handmatige helderheid</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Handmatig blauw licht</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Handmatige kleurinstellingen</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Handmatige locatie</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Handmatige nachtduur</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Veel schermen dimmen hun achtergrondverlichting door die heel snel aan en uit te schakelen (PWM). Een hogere frequentie flikkert minder.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Maximale frequentie</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
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
        <translation>Maan</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Muisinactiviteit</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Muisbewegingen tellen als aanwezigheid: de pauzetimer stopt na ongeveer 20 minuten zonder beweging en start weer wanneer je terug bent.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Dempt of versterkt de kleuren van het hele scherm.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Negatief grijstinten rood</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Negatief grijstinten</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Negatief sepia</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Vervroeging bij nieuwe maan:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Nieuws, hulp en de nieuwste versie.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Helderheid &apos;s nachts</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Nachtlicht</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Temperatuur &apos;s nachts</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Overgang naar de nacht:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Nacht eindigt om:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Nacht begint om:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Geen afvlakking</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Vermeld in de overgangstijden hieronder; de zonneplanning zelf volgt de tijdzone van je systeem.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Oude foto</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Openen of sluiten</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Website openen</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Aanmaken van de interface optimaliseren</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Overlay</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>PWM-regeling</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>PWM-frequentie</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>PWM-regeling</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Overgang bij pauzeren:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Instellingen per monitor</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Voorbeeld van 24 uur</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Productief</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmeren</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomalie</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Opnieuw starten nodig</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Nu opnieuw starten</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Pc opnieuw opstarten nodig</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Nu opnieuw opstarten</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Kleuren terugzetten</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Verzadiging</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Opslaan en sluiten</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Wijzigingen opslaan wanneer het venster sluit. Zonder deze optie brengt het sluiten van het venster de opgeslagen instellingen terug.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Scherm</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Schermeffect</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Schermeffecten</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Gebruiksstatistieken verzenden</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>De frequentie bij elke kleurupdate opnieuw instellen, voor schermen die de frequentie kwijtraken.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Wijzigingen tonen</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Eenvoudig</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Eenvoudige omkering</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Eenvoudige weergave</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Slaap</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Helderheid tijdens slaap</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Slaaplicht</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Overgang naar slaap:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Slimme omkering 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Slimme omkering 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Slimme omkering 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Slimme omkering 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Slimme omkering 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Kavo starten bij opstarten</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Kavo starten wanneer je je aanmeldt.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>De nacht volgens de klok laten beginnen en eindigen in plaats van volgens de zon.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Zoomt stap voor stap terug tot het scherm weer zijn normale grootte heeft.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Streng</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Zonnebril</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Kleuren verwisselen</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>De wijzigingen in deze versie van Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>De kleurtemperatuur van het scherm overdag en &apos;s nachts, en omgekeerde kleuren.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>De kleur die bij warme temperaturen het sterkst blijft.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Het filter over het hele scherm.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>De frequentie die Kavo instelt terwijl PWM-regeling aan staat. Vraag de fabrikant van je scherm welke frequenties het ondersteunt.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>De hoogste frequentie die de schuifregelaar aanbiedt, in hertz.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>De taal van de vensters, menu&apos;s en berichten van Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>De maan verschuift de zonneplanning: nacht en dag beginnen eerder, met een vervroeging die van de waarde bij nieuwe maan naar die bij volle maan gaat naarmate de maan voller wordt.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Hier eindigt de slaapperiode.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Hier begint de slaapperiode.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>De kleurentabel die Kavo volgt van warm naar koud.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Dit scherm biedt Kavo geen PWM-regeling: het hulpprogramma kavo_get_pwm_frequency ontbreekt of meldt geen frequentie.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Deze desktop biedt Kavo geen achtergrondverlichting: de helderheid van het scherm blijft zoals die is.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>Het nachtlicht van deze desktop toont alleen de kleurtemperatuur: kleurenschema&apos;s, de leidende kleur en schermeffecten hebben gammacurves nodig.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Tijdzoneverschuiving:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Overgang</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomalie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Het gekozen filter in- of uitschakelen.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Continu bijwerken</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Geavanceerde instellingen gebruiken</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Gammacorrectie gebruiken</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Softwarematige muisaanwijzer gebruiken</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>De coördinaten hieronder gebruiken in plaats van de opgezochte locatie.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>De slaapkleuren gebruiken tussen bedtijd en wektijd.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Wektijd:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Warmere, zachtere kleuren voor de uren voordat je naar bed gaat.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Vervaagd 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Vervaagd 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Vervaagd 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Wat is er nieuw</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Wat je meestuurt met een hulpvraag. Er verlaat niets je computer tenzij je het zelf verstuurt.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>De plek waarvoor Kavo zonsopkomst en zonsondergang berekent.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Waar de desktop zelf de lettertypeafvlakking bepaalt, heeft deze keuze geen effect.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Welke pagina&apos;s en vensters je opent, elke keer onder een nieuw willekeurig nummer, nooit je naam of adres. Alleen als deze build van Kavo een statistiekadres noemt.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Inzoomen:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Uitzoomen:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Vergroot het hele scherm rond de muisaanwijzer.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dag</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>month</source>
        <translation>maand</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>per minuut</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>pauze</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>zichtbaar</translation>
    </message>
    <message>
        <source>until</source>
        <translation>tot de</translation>
    </message>
    <message>
        <source>week</source>
        <translation>week</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Een minuut oefeningen, stap voor stap getoond in de hoek van je scherm.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Een programma op de voorgrond krijgt eigen kleuren: een film helderder, een lezer warmer.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Een korte toon in de laatste seconden voor een pauze en voor het werk.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Een klein venster in de hoek van het scherm met de telling en het camerabeeld.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Toepassingen</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Kunstmatige intelligentie (AI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Autoklikker</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Pauzescherm automatisch sluiten</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Automatische helderheid</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Rugoefeningen</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Knipperdetectie</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Knipperscherm</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Pauze elke</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pauzes</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Bezig met klikken</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Klikt steeds opnieuw met de linkermuisknop op de plek van de aanwijzer.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Kleuren pauzeren</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Kleuren per programma</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Kleurwijzigingen pauzeren terwijl een van deze programma&apos;s zichtbaar is: voor tekenen, foto&apos;s en films.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Ga door wanneer je klaar bent.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Tel je knipperingen per minuut. Wie naar een scherm staart, knippert minder; de telling herinnert je eraan.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 zet alle instellingen terug, Ctrl+Alt+Shift+F11 sluit Kavo af en Ctrl+Alt+Shift+F12 zet de kleuren terug, ongeacht de sneltoetsen hierboven.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Helderheid verlagen</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Temperatuur verlagen</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Het scherm iets dimmen terwijl het felle inhoud toont.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Schermoverlay beëindigen</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Oefeningen</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Oogoefeningen</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Functie</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Apps op volledig scherm</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Neem een pauze</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Nu op de voorgrond</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Pauze op komst</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Helderheid verhogen</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Temperatuur verhogen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>De kleuren omkeren terwijl het scherm vooral felle inhoud toont.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo past het scherm aan de ruimte aan en aan wat het toont. Camerabeelden en schermafbeeldingen worden gemeten en weer losgelaten: ze worden nooit opgeslagen of ergens heen gestuurd.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo luistert in elk programma naar zijn sneltoetsen.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo herinnert je eraan je ogen rust te geven: een korte pauze na elke periode van werk.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Kavo-versie</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Het scherm even helder houden als de ruimte eromheen.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Toetscombinaties die Kavo vanuit elk programma bereiken.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Licht is een eenvoudige donkere sluier met de resterende tijd. Eenvoudig en Standaard zijn volledige pagina&apos;s; Standaard voegt de klok en een idee voor je pauze toe.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Kijk weg van het scherm en laat je ogen ontspannen.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Kijk in de verte, rol met je ogen en knipper: ogen die de hele dag op een scherm scherpstellen hebben het het meest nodig.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Handmatig of automatisch</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Helderheid afstemmen op verlichting</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Milliseconden tussen twee klikken, minstens 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Minuten werk, dan seconden pauze.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Muis pauzeren</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Nekoefeningen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Normale pauzes kun je overslaan, strenge niet. Productief toont een kleine aftelling in plaats van het scherm te bedekken.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>Eén programma per regel, met de naam waaronder het draait (vlc, kmplayer). Zet fullscreen achter een naam om alleen te pauzeren terwijl het het hele scherm vult.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>Eén programma per regel, met precies de naam waaronder het draait (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>Eén programma per regel, met precies de naam waaronder het draait (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>Eén programma per regel: naam = temperatuur helderheid, bijvoorbeeld vlc = 6500 120. Temperatuur 0 tot 10000 K, helderheid 10 tot 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Kleurwijzigingen pauzeren terwijl een programma uit de lijst zichtbaar is.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Kleurwijzigingen pauzeren terwijl een programma het hele scherm vult.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Kavo pauzeren of hervatten</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>De timer pauzeren of hervatten</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Uitstellen</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Uitsteltijd</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Druk op de nieuwe combinatie</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programma&apos;s</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Programma&apos;s en kleuren</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Kavo afsluiten</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Pauzescherm</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Schermeffecten aan of uit</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Overlays</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Sneltoets</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Langzaam draaien en kantelen voor een nek die te lang in één houding heeft gezeten.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Slimme helderheid</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Slimme omkering</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Een pauze starten</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Schermoverlay starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Stop het hier, via het menu in het systeemvak of door Kavo af te sluiten.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>De pauzetimer stoppen terwijl een programma uit de lijst zichtbaar is.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>De pauzetimer stoppen terwijl een programma het hele scherm vult.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Rekoefeningen die je staand naast je bureau kunt doen.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>De softwarematige aanwijzer uitschakelen terwijl een programma uit de lijst zichtbaar is.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>De softwarematige aanwijzer uitschakelen terwijl een programma het hele scherm vult.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Tien seconden voor een pauze biedt Kavo aan om die zoveel minuten uit te stellen.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>De pauzetimer stopt terwijl een van deze programma&apos;s zichtbaar is: films, presentaties, gesprekken.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>De camera meet het licht in de ruimte en de helderheid volgt het, elke seconde een beetje.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Het programma dat je gebruikt, zoals de lijsten het noemen.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>De pauze is voorbij</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>De softwarematige aanwijzer verdwijnt terwijl een van deze programma&apos;s zichtbaar is: games tekenen hun eigen aanwijzer.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Dit is een strenge pauze: hij eindigt vanzelf.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Tijd voor een pauze</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Timer pauzeren</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Timertype</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Geluiden gebruiken</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>De kleuren uit de lijst gebruiken terwijl een programma uit de lijst op de voorgrond staat.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>De eerste camera gebruiken voor het omgevingslicht en het tellen van knipperingen.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Wat je monitors bedekt tijdens een pauze.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Wat de sneltoets doet.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Als de pauze voorbij is, begint het werk meteen. Zonder deze optie wacht het pauzescherm tot je doorgaat.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Werk</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>tot de pauze</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b is enable of disable, %d een geheel getal, %f een getal, %s een woord. Klik op een spreuk om hem naar het invoerveld te kopiëren.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Activeren</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Klik nogmaals om alle instellingen terug te zetten</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Voer je spreuk in:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Verborgen functies</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Zet je instellingen over naar een andere computer, of bewaar een kopie.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Standaardwaarden herstellen</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Instellingen geëxporteerd</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Instellingenbestand</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Spreuken</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Spreuken wijzigen instellingen die geen regelaar op de pagina&apos;s hebben. Dezelfde spreuken werken vanaf de opdrachtregel: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Een doorzichtige gekleurde laag over het scherm dimt en kleurt het verder dan de kleuren alleen; klikken gaan erdoorheen.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Dimmen overdag</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Dekking overdag</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Hoe donker de omgeving is.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Hoeveel donkerder de kleur van de laag &apos;s nachts is.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Hoeveel donkerder de kleur van de laag overdag is.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Hoeveel de laag het scherm &apos;s nachts bedekt.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Hoeveel de laag het scherm overdag bedekt.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Houdt een heldere plek op het scherm en verduistert wat eromheen ligt; klikken gaan erdoorheen.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citroen</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Lichtvlek</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Dimmen &apos;s nachts</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Dekking &apos;s nachts</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Dekking</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Overlaykleur</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Straal</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Gebied resetten</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Scharlaken</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Schermoverlay</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Kies een gebied en sleep dan over het scherm: dat gebied blijft vrij. Esc annuleert.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Gebied kiezen</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>De laag tonen.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>De lichtvlek tonen.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>De kleur van de laag.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>De grootte van de heldere plek.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>Op dit bureaublad verschijnt dit effect wanneer je inactief bent: na twee stille seconden bedekt een afbeelding van het scherm met het effect het scherm, tot je een toets indrukt of de muis beweegt.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Dit effect verschijnt meteen.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turkoois</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Waar de plek horizontaal op het scherm staat.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Waar de plek verticaal op het scherm staat.</translation>
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
        <translation>Geel</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Instellingen geïmporteerd</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Instellingen niet geïmporteerd</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 botst met %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 botst met de kleurwijzigingen van %2 en de kleuren kunnen gaan flikkeren.
%2 sluit zulke apps automatisch, maar verwijder een van de apps als je nog steeds problemen hebt.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Nog %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Geen camera gevonden</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Objectdetectoren niet gevonden</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Ongeldige spreuk</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>De spreuk &quot;%1&quot; lijkt niet te kloppen. Controleer de syntaxis of probeer een andere verborgen functie.
Gebruik &quot;help&quot; om de lijst met alle verborgen functies te zien :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Verborgen functie gelukt</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 gelukt</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Ongeldige temperatuur</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 is geen geldige waarde voor de kleurtemperatuur. Gebruik een getal tussen 0 en 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Temperatuur gewijzigd</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Kleurtemperatuur gewijzigd in %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Ongeldige helderheid</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 is geen geldige waarde voor de helderheid. Gebruik een getal tussen 10 en 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Helderheid gewijzigd</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Helderheid gewijzigd in %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Ongeldig begin van de nacht</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 is geen geldige waarde voor het begin van de nacht. Gebruik een getal tussen 0 en 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Begin van de nacht gewijzigd</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Handmatig begin van de nacht gewijzigd in %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Ongeldig einde van de nacht</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 is geen geldige waarde voor het einde van de nacht. Gebruik een getal tussen 0 en 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Einde van de nacht gewijzigd</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Handmatig einde van de nacht gewijzigd in %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo schakelt over naar type %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>Zo meteen zie je het verschil op je scherm :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Meldingen ingeschakeld</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Meldingen van verborgen functies zijn ingeschakeld. Ze verschijnen zodat je weet wanneer je spreuk gelukt is</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Meldingen uitgeschakeld</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Meldingen van verborgen functies zijn uitgeschakeld. Dit is de laatste melding die je ziet</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Gammacorrectie ingeschakeld</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Gammacorrectie is ingeschakeld. Zie je elke seconde een lichte kleurverandering, schakel de gammacorrectie dan weer uit. Gammacorrectie wordt gebruikt omdat Windows de kleine wijzigingen van Kavo af en toe negeert.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Gammacorrectie uitgeschakeld</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Gammacorrectie is uitgeschakeld. Wordt je scherm plotseling helder, schakel die dan weer in of klik een paar keer op het pictogram van Kavo mini. Beide dwingen Kavo de schermkleuren te wijzigen.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Softwarematige cursor ingeschakeld</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Kleurwijzigingen gelden ook voor de cursor. Begint hij te verdwijnen, gebruik dan &quot;disable software cursor&quot; om hem weer helder te maken.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Hardwarecursor ingeschakeld</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Kleurwijzigingen gelden niet voor de cursor. Vind je de felblauwe cursor &apos;s nachts vervelend, gebruik dan &quot;enable software cursor&quot; om de kleurwijzigingen ook op de cursor toe te passen.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Conflicterende apps toegestaan</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Conflicterende apps zijn toegestaan. Je kunt nu andere programma&apos;s gebruiken die de schermkleuren wijzigen.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Conflicterende apps niet toegestaan</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Conflicterende apps zijn niet toegestaan, om flikkeren te voorkomen.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Monitor %1 uitgeschakeld</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo past geen kleurwijzigingen toe op monitor %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Monitor %1 ingeschakeld</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo past kleurwijzigingen toe op monitor %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>Kleurbereik is al uitgebreid</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>Het kleurbereik is al uitgebreid. Heb je problemen met lagere waarden, start je pc dan opnieuw op. Blijft het probleem bestaan, schrijf ons dan met informatie over je pc, zodat we het kunnen testen en oplossen.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Kleurbereik uitbreiden mislukt</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Kleurbereik uitbreiden mislukt: je hebt beheerdersrechten nodig</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>Geen verwijderprogramma in de app-map</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>Er staat geen verwijderprogramma in &quot;%1&quot;
 Je kunt %2 afsluiten en de map zelf verwijderen</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Gammabehoud ingeschakeld</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Kavo respecteert vanaf nu je kleurkalibratie. Sluit Kavo mini en start het opnieuw; dan behoudt het overdag je kleuren</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Gammabehoud uitgeschakeld</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Kavo respecteert vanaf nu je kleurkalibratie niet en gebruikt in plaats daarvan de standaardinstellingen van de monitor</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Starten bij opstarten ingeschakeld</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini start wanneer je je computer aanzet</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Starten bij opstarten uitgeschakeld</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini start niet wanneer je je computer aanzet</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Draaiend pictogram in het systeemvak ingeschakeld</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Het pictogram in het systeemvak draait terwijl Kavo de schermkleuren wijzigt. Zo zie je wanneer Kavo mini de kleuren wijzigt en je scherm niet gekalibreerd is</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Draaiend pictogram in het systeemvak uitgeschakeld</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Het pictogram in het systeemvak draait niet terwijl Kavo de schermkleuren wijzigt. Deze functie laat zien wanneer Kavo mini de kleuren wijzigt en je scherm niet gekalibreerd is</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Kleuren teruggezet</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>De schermkleuren zijn teruggezet naar de standaardwaarden</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Instellingen teruggezet</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>De instellingen van Kavo zijn teruggezet naar de standaardwaarden</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Toetsenbordhook ingeschakeld</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Toetsenbordhook ingeschakeld. Je kunt nu systeembrede sneltoetsen gebruiken.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Toetsenbordhook uitgeschakeld</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Toetsenbordhook uitgeschakeld. Sommige sneltoetsen en functies werken mogelijk niet zoals bedoeld</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Sneltoetsen ingeschakeld</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Sneltoetsen ingeschakeld. Je kunt nu de sneltoetsen van Kavo gebruiken.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Sneltoetsen uitgeschakeld</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Sneltoetsen uitgeschakeld. De sneltoetsen van Kavo werken niet</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Noodsneltoetsen ingeschakeld</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Noodsneltoetsen ingeschakeld. Je kunt nu de noodsneltoetsen van Kavo gebruiken.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Noodsneltoetsen uitgeschakeld</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Noodsneltoetsen uitgeschakeld. De noodsneltoetsen van Kavo werken niet</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Alle sneltoetsen en toetsenbordhooks ingeschakeld</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Alle sneltoetsen en toetsenbordhooks ingeschakeld. Je kunt nu systeembrede sneltoetsen, sneltoetsen van Kavo en noodsneltoetsen gebruiken.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Alle sneltoetsen en toetsenbordhooks uitgeschakeld</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Alle sneltoetsen en toetsenbordhooks uitgeschakeld. Systeembrede sneltoetsen, sneltoetsen van Kavo en noodsneltoetsen werken niet</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Handmatige temperatuur ingeschakeld</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Je gebruikt nu de gemengde modus van Kavo</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Handmatige temperatuur uitgeschakeld</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo gebruikt weer je gekozen modus voor de temperatuur</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Handmatige helderheid ingeschakeld</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Je gebruikt nu de gemengde modus van Kavo mini</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Handmatige helderheid uitgeschakeld</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini gebruikt weer je gekozen modus voor de helderheid</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Geen blauw licht</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Al het blauwe licht is van het scherm verwijderd</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Omkeren</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>De kleuren zijn omgekeerd</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Handmatige locatie ingeschakeld</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini gebruikt je handmatige locatie. Stel breedtegraad en lengtegraad in met de verborgen functies</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Handmatige locatie uitgeschakeld</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini gebruikt de automatische locatie. De locatie dient om de stand van de zon en de duur van dag en nacht te berekenen</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Breedtegraad gewijzigd</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Breedtegraad gewijzigd in %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Lengtegraad gewijzigd</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Lengtegraad gewijzigd in %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Handmatige nachtduur ingeschakeld</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini gebruikt de handmatige nachtduur. Stel begin- en eindtijd in met de verborgen functies</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Handmatige nachtduur uitgeschakeld</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini gebruikt de automatische nachtduur op basis van de locatie. De locatie dient om de stand van de zon en de duur van dag en nacht te berekenen</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Geen bestand gekozen om te exporteren</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Kan het exportbestand niet schrijven: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Instellingen geëxporteerd naar %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Geen bestand gekozen om te importeren</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Kan het bestand niet openen om te importeren</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Bestand te groot om te importeren (meer dan 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Instellingen te groot om te importeren (meer dan 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Geen instellingenbestand van Kavo: het begint niet met de kop &quot;#Created by&quot;</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Geen instellingen om te importeren: het bestand bevat geen instelling die Kavo kent</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Instellingen niet schrijfbaar: de import is niet opgeslagen</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>%1 instellingen geïmporteerd</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, %1 onbekende sleutels genegeerd</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, %1 ongeldige regels overgeslagen</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 tot het werk</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 tot de pauze</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 herinnert je eraan dat er over %2 minuten een lange pauze komt.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 herinnert je eraan dat er over 30 seconden een lange pauze komt.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Lange pauze op komst</translation>
    </message>
    <message>
        <source>work</source>
        <translation>werk</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>uur</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Weer aan het werk</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Buig voorover en laat je armen losjes hangen.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Knipper vaak: door schermen vergeten we dat.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Knipper een paar seconden snel en sluit dan je ogen.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Pauze over %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Breng je kin naar je borst en til hem langzaam weer op.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Sluit je ogen en adem langzaam.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Drink een glas water.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc behoudt de sneltoets, Backspace verwijdert hem.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Camerabeeld verbergen</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Houd Ctrl, Alt of Meta ingedrukt met deze toets.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo kan deze toets niet in een sneltoets gebruiken.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Kijk naar iets dat minstens zes meter ver weg is.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Kijk naar iets in de verte, door een raam als dat kan.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Kijk omhoog, omlaag, naar links en naar rechts en houd elke stand een ademhaling vast.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Monitor %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Zet je handen in je zij en leun voorzichtig achterover.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Rol je schouders een paar keer naar achteren.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Rol je schouders vijf keer naar achteren.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Camerabeeld tonen</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Rol je ogen langzaam in een cirkel, en dan de andere kant op.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Sta op en strek beide armen boven je hoofd.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Sta op en rek je armen uit boven je hoofd.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Stap %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>De camera staat uit</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Kantel je oor naar je schouder, aan beide kanten.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Draai je hoofd langzaam naar links en houd vast, dan naar rechts.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Draai je bovenlichaam langzaam naar elke kant.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>knipperdetectie staat uit</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>tot het werk</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Kavo-instellingenbestand (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Bestand opslaan...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Bestand openen...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Dit venster kan niet worden getoond: het webonderdeel van Kavo ontbreekt.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>De camerafuncties ontbreken</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Instellingen kunnen niet worden opgeslagen</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland laat geen enkel programma voor u klikken: de autoklikker is niet beschikbaar.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland laat geen enkel programma de muisaanwijzer tekenen: de softwarecursor is niet beschikbaar.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland geeft gewone programma&apos;s geen beeld van het scherm: effecten die met een beeld werken terwijl u inactief bent, zijn niet beschikbaar.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME vertelt geen enkel programma welk venster vooraan staat (daarvoor is een Shell-extensie nodig): pauzes en triggers kunnen geen programma&apos;s zien.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Deze compositor vertelt geen enkel programma welk venster vooraan staat: pauzes en triggers kunnen geen programma&apos;s zien.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Dit bureaublad meldt niet wanneer u inactief bent: inactiviteit zet de timer niet stil.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Dit bureaublad houdt de toetsen voor zichzelf: stel elke sneltoets in de configuratie van de compositor in, bijvoorbeeld in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; of in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help noemt de acties).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Dit bureaublad laat geen venster over alles heen liggen: de kleur van de overlay gaat via de kleuren van het scherm, en de lichtvlek wordt niet getoond.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Dit bureaublad laat geen programma het toetsenbord overnemen: strikte pauzes kunnen andere programma&apos;s de toetsen niet ontnemen.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Dit bureaublad heeft geen systeemvak (geen StatusNotifierWatcher): start Kavo opnieuw om het venster te openen.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Aangepast</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Gezondheid</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;Slaap</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>Ga&amp;men</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>&amp;Programmeren</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Biohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>&amp;Zonnebril</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Donker</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Film</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>&amp;Overlay</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Kleuren pauzeren</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Timer pauzeren</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Muis pauzeren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>Modus &amp;wijzigen</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handmatig</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>Ge&amp;pauzeerd</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Autoklikker stoppen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
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
