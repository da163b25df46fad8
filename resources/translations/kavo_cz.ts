<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Co je nového</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Toto sestavení Kavo neuvádí žádnou stránku se seznamem změn.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webové stránky</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Toto sestavení Kavo neuvádí žádné webové stránky.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Toto prostředí neumí vykreslit kurzor myši softwarově: kurzor zůstane beze změny.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>Řádek %1 nemá tvar „program = teplota jas“: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Restartujte počítač</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo provedlo malou změnu, která umožní nižší hodnoty. Aby byly dostupné všechny funkce, je potřeba jednou restartovat počítač.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Některé funkce jsou omezené, protože je potřeba restartovat počítač. Nyní se používá High-level Color API.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Kopírovat vše</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>KLIKNUTÍM ZKOPÍRUJETE TEXT DO SCHRÁNKY</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Barevné efekty Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Barevné efekty se nepodařilo inicializovat.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>h</translation>
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
        <translation>Práce/přestávka</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Vynulovat časovač</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Pozastavit/pokračovat</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Časovač pozastaven</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>KLIKNUTÍM ZKOPÍRUJETE TEXT DO SCHRÁNKY</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Zjištěný aktuální čas</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Místní čas</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>Čas UTC</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Začátek dne</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Začátek přechodu do dne</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Konec přechodu do dne</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Konec dne</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Začátek noci</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Začátek přechodu do noci</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Konec přechodu do noci</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Konec noci</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Délka dne</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Délka přechodu do dne</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Délka noci</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Délka přechodu do noci</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Časové pásmo</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Vlastní posun časového pásma</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Východ slunce</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Západ slunce</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Posun při novu</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Posun při úplňku</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Aktuální posun podle Měsíce</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Čas ulehnutí</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Začátek přechodu k ulehnutí</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Konec přechodu k ulehnutí</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Konec doby spánku</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Čas probuzení</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Začátek přechodu k probuzení</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Konec přechodu k probuzení</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Konec doby bdění</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Délka spánku</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Délka přechodu spánku</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Zeměpisná šířka</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Zeměpisná délka</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Automatická poloha</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Ruční délka noci</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Načítání...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Poloha není známa: zadejte ji ručně</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>K dispozici je nová verze</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Je k dispozici Kavo %1</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Toto sestavení Kavo neuvádí žádný server aktualizací</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Server aktualizací neodpovídá</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Odpověď serveru aktualizací nelze přečíst</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo je aktuální</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % ponechá barvy beze změny; 0 % je šedá.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Softwarově vykreslený kurzor přebírá barvy obrazovky.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Okno s protokolem Kavo, jak průběžně vzniká. Dalším kliknutím jej zavřete.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Achromatomálie</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Pokročilé</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Povolí hodnoty od 0 K (sytě červená) do 10000 K (studená modrá).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Povolí hodnoty od 10 % do 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Použít sytost nastavenou výše.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Jednorázově se zeptat serveru aktualizací bez ohledu na nastavení výše.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Automatické aktualizace</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Automaticky ukládat změny nastavení</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Čas ulehnutí:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Blokovat klávesnici při přísných přestávkách</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Modré světlo</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Jas po západu slunce. Tlumenější obrazovka v tmavé místnosti méně namáhá oči.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Jas za denního světla v procentech plného jasu obrazovky.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Jas v době spánku.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Vytvořit toto okno až při prvním otevření. Šetří to paměť a zrychluje spuštění.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Každou novou gama křivku mírně pozměnit, aby ovladač displeje, který opakovanou křivku ignoruje, znovu převzal barvy Kavo, například poté, co je vrátila hra.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Kontrolovat aktualizace</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Zkontrolovat nyní</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Vybrat stránky</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Vyberte monitory, které Kavo upravuje, a zda má každý vlastní barvy.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType s alternativním vykreslováním</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Kliknutím zkopírujete text do schránky</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Zavřením se okno skryje, místo aby se minimalizovalo.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Barevné schéma</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Teplota barev</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Barvy</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Teplota barev po západu slunce. Teplé světlo večer šetří váš spánek.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Teplota barev za denního světla. 6500 K je neutrální; nižší hodnoty jsou teplejší a obsahují méně modrého světla.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Teplota barev v době spánku.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tma</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Denní jas</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Denní světlo</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Denní teplota</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Přechod do dne:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Ladění</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Ladicí konzole</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Ladicí informace</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Stupně východně; na západě záporné.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Stupně severně; na jihu záporné.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Odbarvené</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deuteranomálie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Během přísných přestávek klávesnice nereaguje.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Každý krok obrazovku o něco víc zvětší.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Každý jazyk je uveden pod svým vlastním názvem.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Rozšířené hodnoty</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Písma</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Vyhlazování písma</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Posun při úplňku:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Barevné filtry přes celou obrazovku: odstíny šedi, inverze, sépie a filtry pro poruchy barevného vidění.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Hraní</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Každý monitor má vlastní teplotu a jas; monitor vyberte kartami nahoře.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Odstíny šedi s červenou</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Odstíny šedi 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Odstíny šedi 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Odstíny šedi 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Zdraví</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Při zavření skrýt ikonu na hlavním panelu</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Jak Kavo zapadá do vašeho prostředí.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Jak Kavo udržuje své barvy na obrazovce.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Jak Kavo ukládá vaše nastavení a pozná, že nejste u počítače.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Jak se teplota barev převádí na barvy obrazovky.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Jak jasná je obrazovka ve dne a v noci.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Jak dlouho barvy plynule přecházejí, když Kavo pozastaví nebo obnoví činnost či změní režim nebo typ.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Jak dlouho trvá přechod do dne: se středem ve východu slunce, nebo s koncem v čase, kdy podle hodin končí noc.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Jak dlouho trvá přechod do noci: se středem v západu slunce, nebo s koncem v čase, kdy podle hodin začíná noc.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Jak dlouho trvají přechody do doby spánku a z ní; končí v čase ulehnutí a v čase probuzení.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Kolik modrého světla obrazovka vyzařuje ve dne a v noci.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>O kolik dříve začíná noc a den při úplňku.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>O kolik dříve začíná noc a den při novu.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Jak často spuštěné Kavo hledá znovu.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Jak pomalu se mění barvy mezi dnem, nocí a spánkem.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Jak systém vyhlazuje okraje textu.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Invertovat barvy</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo může hledat novou verzi a dát vám vědět, když vyjde.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo se řídí sluncem ve vaší poloze. Pokud vlastní polohu nezadáte, zjistí ji samo.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo provedlo v systému změny a aby se projevily, musí se znovu spustit.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo provedlo v systému změny a aby se projevily, je nutné restartovat počítač.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo pečuje o vaše oči: šetrnější barvy v noci a připomínky přestávek.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>Verze Kavo, váš systém a prostředí a všechna nastavení. Kliknutím na text jej zkopírujete.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Používat noční jas neustále, místo aby se řídil sluncem.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Používat noční hodnotu neustále, místo aby se řídila sluncem.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Kavo při čekání na pozadí co nejméně zatěžuje systém.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Stisky kláves se počítají jako přítomnost: časovač přestávek se zastaví asi po 20 minutách bez nich a znovu se spustí, když se vrátíte.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Nečinnost klávesnice</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Později</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Zeměpisná šířka:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Převládající barva</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Kavo nastaví frekvenci uvedenou výše.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Kavo vám dá vědět, když vyjde nová verze.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineární</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Lineární modrá</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Poloha</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Zeměpisná délka:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Hledat novou verzi při spuštění Kavo a pak pravidelně. Ukládá se s ostatním nastavením.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Hledat nyní</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Správa monitorů</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ručně</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Ruční jas</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Ruční modré světlo</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Ruční nastavení barev</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Ruční poloha</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Ruční délka noci</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Mnoho obrazovek tlumí podsvícení velmi rychlým zapínáním a vypínáním (PWM). Vyšší frekvence méně bliká.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Max. frekvence</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizovat</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
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
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Nečinnost myši</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Pohyb myši se počítá jako přítomnost: časovač přestávek se zastaví asi po 20 minutách bez pohybu a znovu se spustí, když se vrátíte.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Tlumí nebo zesiluje barvy celé obrazovky.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Negativní odstíny šedi s červenou</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Negativní odstíny šedi</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Negativní sépie</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Posun při novu:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Novinky, nápověda a nejnovější verze.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Noční jas</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Noční světlo</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Noční teplota</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Přechod do noci:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>Noc končí v:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>Noc začíná v:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Bez vyhlazování</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normální</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Uvádí se v časech přechodů níže; samotný sluneční rozvrh se řídí časovým pásmem systému.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Stará fotografie</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Otevřít nebo zavřít</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Otevřít web</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Optimalizovat vytváření rozhraní</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Překrytí</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>Ovládání PWM</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>Frekvence PWM</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>Ovládání PWM</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Přechod při pozastavení:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Nastavení pro každý monitor</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Náhled 24 hodin</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Produktivní</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programování</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomálie</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Čtení</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Je nutné znovu spustit Kavo</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Znovu spustit</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit výchozí</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Je nutný restart</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Restartovat nyní</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Vrátit barvy</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sytost</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Uložit a zavřít</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Uložit změny při zavření okna. Bez této volby se po zavření okna vrátí uložené nastavení.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Rozvrh</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Obrazovka</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Efekt obrazovky</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Efekty obrazovky</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Odesílat statistiky používání</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Sépie</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Nastavit frekvenci znovu při každé změně barev, pro obrazovky, které ji ztrácejí.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Zobrazit změny</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Jednoduché</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Jednoduchá inverze</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Jednoduché zobrazení</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Spánek</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Jas pro spánek</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Světlo pro spánek</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Přechod spánku:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Chytrá inverze 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Chytrá inverze 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Chytrá inverze 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Chytrá inverze 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Chytrá inverze 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardní</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Spouštět Kavo při startu systému</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Spustit Kavo po přihlášení.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Začátek a konec noci podle hodin místo podle slunce.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Postupně zmenšuje, dokud obrazovka nemá normální velikost.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Přísný</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Sluneční brýle</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Prohození barev</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Změny v této verzi Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>Teplota barev obrazovky ve dne a v noci a invertované barvy.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>Barva, která při teplých teplotách zůstává nejsilnější.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>Filtr přes celou obrazovku.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>Frekvence, kterou Kavo nastaví, když je zapnuto ovládání PWM. Které frekvence obrazovka podporuje, zjistíte u jejího výrobce.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>Nejvyšší frekvence na posuvníku, v hertzích.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>Jazyk oken, nabídek a zpráv Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>Měsíc posouvá sluneční rozvrh: noc a den začínají dříve o posun, který s dorůstáním Měsíce přechází od hodnoty pro nov k hodnotě pro úplněk.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Zde doba spánku končí.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Zde doba spánku začíná.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>Tabulka barev od teplých po studené, podle které se Kavo řídí.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Tato obrazovka Kavo nenabízí ovládání PWM: doprovodný program kavo_get_pwm_frequency chybí nebo nehlásí žádnou frekvenci.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Toto prostředí nenabízí Kavo žádné podsvícení: jas obrazovky zůstává beze změny.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>Noční světlo tohoto prostředí ukazuje jen barevnou teplotu: barevná schémata, hlavní barva a efekty obrazovky potřebují gama tabulky.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Posun časového pásma:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Časovač</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Přechod</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomálie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Zapnout nebo vypnout vybraný filtr.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Průběžně obnovovat</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Pokročilé nastavení</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Použít opravu gama</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Softwarový kurzor myši</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Použít souřadnice níže místo zjištěné polohy.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Používat barvy pro spánek mezi časem ulehnutí a probuzení.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Čas probuzení:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Teplejší a tlumenější barvy na hodiny před spaním.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Vybledlé 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Vybledlé 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Vybledlé 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webové stránky</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Co je nového</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Co přiložit k žádosti o pomoc. Nic neopustí váš počítač, dokud to sami neodešlete.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>Místo, pro které Kavo počítá východ a západ slunce.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Pokud o vyhlazování písma rozhoduje samo prostředí, tato volba nemá vliv.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Které stránky a okna otevíráte, pokaždé pod novým náhodným číslem, nikdy vaše jméno ani adresa. Jen pokud toto sestavení Kavo uvádí adresu pro statistiky.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Přiblížení:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Oddálení:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Přiblížit</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Oddálit</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Přibližuje celou obrazovku kolem ukazatele myši.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>den</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>skryto</translation>
    </message>
    <message>
        <source>month</source>
        <translation>měsíc</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>za minutu</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>přestávky</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>zobrazeno</translation>
    </message>
    <message>
        <source>until</source>
        <translation>do</translation>
    </message>
    <message>
        <source>week</source>
        <translation>týden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Minuta cvičení, krok za krokem v rohu obrazovky.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>Program v popředí dostane vlastní barvy: film jasnější, čtečka teplejší.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Krátký tón v posledních sekundách před přestávkou a před návratem k práci.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Malé okno v rohu obrazovky s počtem mrknutí a obrazem z kamery.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplikace</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Umělá inteligence (AI)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Automatické klikání</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Automaticky zavřít obrazovku přestávky</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Automatický jas</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Cviky na záda</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Detekce mrkání</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Okno mrkání</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Přestávka každých</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Přestávky</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Kliká se</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Opakovaně kliká levým tlačítkem myši tam, kde je ukazatel.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Pozastavení barev</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Barvy podle programů</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Změny barev se pozastaví, když je zobrazen některý z těchto programů: pro kreslení, fotografie a filmy.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Pokračujte, až budete připraveni.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Počítá vaše mrknutí za minutu. Lidé při sledování obrazovky mrkají méně; počet vám to připomene.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 vrátí všechna nastavení na výchozí, Ctrl+Alt+Shift+F11 ukončí Kavo a Ctrl+Alt+Shift+F12 obnoví výchozí barvy bez ohledu na zkratky výše.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Snížit jas</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Snížit teplotu</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Mírně ztlumit obrazovku, když zobrazuje jasný obsah.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Vypnout překrytí obrazovky</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Cvičení</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Cviky pro oči</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Funkce</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Aplikace na celou obrazovku</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Dát si přestávku</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Nyní v popředí</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Blíží se přestávka</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Zvýšit jas</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Zvýšit teplotu</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Vstup</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalovat</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Invertovat barvy, když obrazovka zobrazuje převážně jasný obsah.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo přizpůsobuje obrazovku místnosti a tomu, co zobrazuje. Snímky z kamery a obrazovky se jen změří a zahodí: nikdy se neukládají ani nikam neodesílají.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo reaguje na své zkratky v každém programu.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo vám připomíná odpočinek pro oči: krátkou přestávku po každém úseku práce.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Verze Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Přizpůsobit jas obrazovky světlu v místnosti.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Klávesové zkratky, které Kavo zachytí v každém programu.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Odlehčené</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Odlehčené je prostý tmavý závoj se zbývajícím časem. Jednoduché a Standardní jsou celé stránky; Standardní přidává hodiny a tip, jak přestávku strávit.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Podívejte se jinam než na obrazovku a nechte oči odpočinout.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Dívejte se do dálky, kružte očima a mrkejte: oči, které celý den zaostřují na obrazovku, to potřebují nejvíc.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Přepnout ruční/automatický režim</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Jas podle osvětlení</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Milisekundy mezi dvěma kliknutími, nejméně 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Minuty práce, potom sekundy přestávky.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Pozastavení kurzoru</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Cviky na krk</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Normální přestávky lze přeskočit, přísné ne. Produktivní místo zakrytí obrazovky zobrazí malé odpočítávání.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>Jeden program na řádek, pod názvem, pod kterým běží (vlc, kmplayer). Když za název přidáte fullscreen, pozastaví se jen tehdy, když program vyplňuje obrazovku.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>Jeden program na řádek, přesně pod názvem, pod kterým běží (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>Jeden program na řádek, přesně pod názvem, pod kterým běží (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>Jeden program na řádek: název = teplota jas, například vlc = 6500 120. Teplota 0 až 10000 K, jas 10 až 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Pozastavit změny barev, když je zobrazen program ze seznamu.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Pozastavit změny barev, když jakýkoli program vyplňuje obrazovku.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Pozastavit nebo obnovit Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Pozastavit nebo obnovit časovač</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Odložit</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Doba odložení</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Stiskněte novou kombinaci</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Programy a barvy</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Ukončit Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Obrazovka přestávky</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Zapnout nebo vypnout efekty obrazovky</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Překrytí</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Senzory</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Zkratka</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Klávesové zkratky</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Přeskočit</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Pomalé otáčení a úklony pro krk, který byl příliš dlouho v jedné poloze.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Chytrý jas</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Chytrá inverze</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Zahájit přestávku</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Zapnout překrytí obrazovky</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Zastavíte je zde, v nabídce v oznamovací oblasti nebo ukončením Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Zastavit časovač přestávek, když je zobrazen program ze seznamu.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Zastavit časovač přestávek, když jakýkoli program vyplňuje obrazovku.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zastaveno</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Protažení, která zvládnete vestoje u stolu.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Vypnout softwarový kurzor, když je zobrazen program ze seznamu.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Vypnout softwarový kurzor, když jakýkoli program vyplňuje obrazovku.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Deset sekund před přestávkou nabídne Kavo její odložení o tolik minut.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>Časovač přestávek se zastaví, když je zobrazen některý z těchto programů: filmy, prezentace, hovory.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>Kamera měří světlo v místnosti a jas se mu každou sekundu o kousek přizpůsobí.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>Program, který právě používáte, pod názvem jako v seznamech.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>Přestávka skončila</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>Softwarový kurzor zmizí, když je zobrazen některý z těchto programů: hry si kreslí vlastní.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Toto je přísná přestávka: skončí sama.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Čas na přestávku</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Pozastavení časovače</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Typ časovače</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Zvuky</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Použít barvy ze seznamu, když je v popředí program ze seznamu.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Použít první kameru k měření světla v místnosti a počítání mrknutí.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Co zakryje vaše monitory během přestávky.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Co zkratka dělá.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Po skončení přestávky začne práce hned. Bez této volby obrazovka přestávky čeká, až budete pokračovat.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Práce</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádná</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>do přestávky</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b je enable nebo disable, %d celé číslo, %f číslo, %s slovo. Kliknutím na kouzlo jej zkopírujete do pole.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Aktivovat</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Dalším kliknutím vrátíte všechna nastavení na výchozí</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Zadejte kouzlo:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Skryté funkce</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Přeneste nastavení do jiného počítače nebo si uložte kopii.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Obnovit výchozí</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Nastavení exportováno</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Soubor nastavení</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Kouzla</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Kouzla mění nastavení, která na stránkách nemají ovládací prvek. Stejná kouzla fungují i z příkazového řádku: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Průhledná barevná vrstva přes obrazovku ji ztlumí a zabarví víc, než dokážou samotné barvy; kliknutí jí procházejí.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Denní ztmavení</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Denní krytí</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Jak tmavé je okolí.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>O kolik je barva vrstvy v noci tmavší.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>O kolik je barva vrstvy ve dne tmavší.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Jak moc vrstva v noci zakrývá obrazovku.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Jak moc vrstva ve dne zakrývá obrazovku.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigová</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Ponechá na obrazovce světlé místo a ztmaví vše kolem něj; kliknutí procházejí.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citronová</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Světelný bod</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurová</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Noční ztmavení</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Noční krytí</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Krytí</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranžová</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Barva překrytí</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Nachová</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Poloměr</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Obnovit oblast</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Šarlatová</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Překrytí obrazovky</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Vyberte oblast a pak táhněte přes obrazovku: oblast zůstane volná. Klávesa Escape výběr zruší.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Vybrat oblast</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Zobrazit vrstvu.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Zobrazit světlé místo.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>Barva vrstvy.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>Velikost světlého místa.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>V tomto prostředí se efekt zobrazí, když nepracujete: po dvou sekundách klidu obrazovku zakryje její snímek s efektem, dokud nestisknete klávesu nebo nepohnete myší.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Tento efekt se zobrazí hned.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Tyrkysová</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Fialová</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Vodorovná poloha světlého místa na obrazovce.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Svislá poloha světlého místa na obrazovce.</translation>
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
        <translation>Žlutá</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Nastavení importováno</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Nastavení nebylo importováno</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 je v konfliktu s %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 je v konfliktu se změnami barev v %2 a barvy mohou problikávat.
%2 takové aplikace automaticky zavírá, ale pokud problémy přetrvávají, odinstalujte prosím jednu z aplikací.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Zbývá %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Nebyla nalezena žádná kamera</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Detektory objektů nebyly nalezeny</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Neplatné kouzlo</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>Kouzlo „%1“ se zdá být chybné. Zkontrolujte zápis nebo zkuste jinou skrytou funkci.
Seznam všech skrytých funkcí zobrazíte kouzlem &quot;help&quot; :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Skrytá funkce proběhla úspěšně</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>Kouzlo %1 proběhlo úspěšně</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Neplatná teplota</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 není platná hodnota teploty barev. Zadejte číslo od 0 do 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Teplota změněna</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Teplota barev změněna na %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Neplatný jas</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 není platná hodnota jasu. Zadejte číslo od 10 do 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Jas změněn</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Jas změněn na %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Neplatný začátek noci</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 není platná hodnota začátku noci. Zadejte číslo od 0 do 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Začátek noci změněn</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Ruční začátek noci změněn na %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Neplatný konec noci</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 není platná hodnota konce noci. Zadejte číslo od 0 do 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Konec noci změněn</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Ruční konec noci změněn na %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo přepíná na typ %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>Změnu na obrazovce uvidíte za okamžik :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Oznámení zapnuta</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Oznámení skrytých funkcí jsou zapnuta. Zobrazují se, abyste věděli, že kouzlo uspělo.</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Oznámení vypnuta</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Oznámení skrytých funkcí jsou vypnuta. Toto je poslední oznámení, které uvidíte.</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Oprava gama zapnuta</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>Oprava gama je zapnuta. Pokud si všimnete, že se barvy každou sekundu mírně mění, opravu gama opět vypněte. Oprava gama se používá, protože Windows občas drobné změny Kavo mini ignorují.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Oprava gama vypnuta</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>Oprava gama je vypnuta. Pokud obrazovka náhle zesvětlí, opravu gama opět zapněte nebo několikrát klikněte na ikonu Kavo mini. Obojí přinutí Kavo změnit barvy obrazovky.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Softwarový kurzor zapnut</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Změny barev se projeví i na kurzoru. Pokud kurzor začne mizet, vypněte softwarový kurzor a bude opět jasný.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Hardwarový kurzor zapnut</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Změny barev se na kurzoru neprojeví. Pokud vám v noci vadí jasně modrý kurzor, zapněte softwarový kurzor, aby se změny barev projevily i na něm.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Konfliktní aplikace povoleny</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Konfliktní aplikace jsou povoleny. Nyní můžete používat i jiné programy, které mění barvy obrazovky.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Konfliktní aplikace zakázány</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Konfliktní aplikace jsou zakázány, aby nezpůsobovaly problikávání.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Monitor %1 vypnut</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo nebude měnit barvy na monitoru %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Monitor %1 zapnut</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo bude měnit barvy na monitoru %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>Rozsah barev je již rozšířen</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>Rozsah barev je již rozšířen. Pokud máte potíže s nižšími hodnotami, zkuste restartovat počítač. Pokud problém přetrvává, napište nám s informacemi o svém počítači, abychom jej mohli otestovat a opravit.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Rozšíření rozsahu barev selhalo</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Rozšíření rozsahu barev selhalo: je k tomu potřeba oprávnění správce</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>Ve složce aplikace není odinstalační program</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>Ve složce „%1“ není odinstalační program.
 Můžete ukončit %2 a složku smazat ručně</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Zachování gama zapnuto</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>Kavo bude od nynějška respektovat kalibraci barev. Zavřete a znovu spusťte Kavo mini a během dne vaše barvy zachová</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Zachování gama vypnuto</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>Kavo od nynějška nebude respektovat kalibraci barev. Místo ní použije výchozí nastavení monitoru</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Spouštění při startu zapnuto</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini se spustí po zapnutí počítače</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Spouštění při startu vypnuto</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini se po zapnutí počítače nespustí</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Otáčení ikony v oznamovací oblasti je zapnuto</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Ikona v oznamovací oblasti se bude otáčet, když Kavo mění barvy obrazovky. Ukazuje tak, že Kavo mini mění barvy a obrazovka není zkalibrovaná</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Otáčení ikony v oznamovací oblasti je vypnuto</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>Ikona v oznamovací oblasti se nebude otáčet, když Kavo mění barvy obrazovky. Otáčení ukazuje, že Kavo mini mění barvy a obrazovka není zkalibrovaná</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Obnovit barvy</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Barvy obrazovky jsou obnoveny na výchozí hodnoty</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Obnovit nastavení</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>Nastavení Kavo je obnoveno na výchozí hodnoty</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Zachytávání klávesnice zapnuto</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Zachytávání klávesnice je zapnuto. Nyní můžete používat systémové zkratky.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Zachytávání klávesnice vypnuto</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Zachytávání klávesnice je vypnuto. Některé zkratky a funkce nemusí fungovat správně</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Klávesové zkratky zapnuty</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Klávesové zkratky jsou zapnuty. Nyní můžete používat zkratky Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Klávesové zkratky vypnuty</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Klávesové zkratky jsou vypnuty. Zkratky Kavo nebudou fungovat</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Nouzové klávesové zkratky zapnuty</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Nouzové klávesové zkratky jsou zapnuty. Nyní můžete používat nouzové zkratky Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Nouzové klávesové zkratky vypnuty</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Nouzové klávesové zkratky jsou vypnuty. Nouzové zkratky Kavo nebudou fungovat</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Všechny klávesové zkratky a zachytávání zapnuty</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Všechny klávesové zkratky a zachytávání jsou zapnuty. Nyní můžete používat systémové, nouzové i zkratky Kavo.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Všechny klávesové zkratky a zachytávání vypnuty</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Všechny klávesové zkratky a zachytávání jsou vypnuty. Systémové, nouzové ani zkratky Kavo nebudou fungovat</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Ruční teplota zapnuta</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Nyní používáte smíšený režim Kavo</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Ruční teplota vypnuta</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo bude pro teplotu opět používat vybraný režim</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Ruční jas zapnut</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Nyní používáte smíšený režim Kavo mini</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Ruční jas vypnut</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini bude pro jas opět používat vybraný režim</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Žádné modré světlo</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Z obrazovky je odstraněno veškeré modré světlo</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverze</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Barvy jsou invertovány</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Ruční poloha zapnuta</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini použije ručně zadanou polohu. Zeměpisnou šířku a délku nastavíte skrytými funkcemi</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Ruční poloha vypnuta</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini použije automatickou polohu. Z polohy se počítá poloha Slunce a délka dne a noci</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Zeměpisná šířka změněna</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Zeměpisná šířka změněna na %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Zeměpisná délka změněna</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Zeměpisná délka změněna na %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Ruční délka noci zapnuta</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini použije ruční délku noci. Začátek a konec nastavíte skrytými funkcemi</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Ruční délka noci vypnuta</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini použije automatickou délku noci podle polohy. Z polohy se počítá poloha Slunce a délka dne a noci</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Pro export nebyl vybrán žádný soubor</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Soubor pro export nelze zapsat: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Nastavení exportováno do %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Pro import nebyl vybrán žádný soubor</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Soubor pro import nelze otevřít</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Soubor je pro import příliš velký (přes 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Nastavení je pro import příliš velké (přes 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Toto není soubor nastavení Kavo: nezačíná hlavičkou „#Created by“</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Nic k importu: soubor neobsahuje žádné nastavení, které Kavo zná</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Nastavení nelze zapsat: import nebyl uložen</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>Importovaná nastavení: %1</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, ignorované neznámé klíče: %1</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, přeskočené neplatné řádky: %1</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 do práce</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 do přestávky</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 připomíná, že za %2 minut přijde dlouhá přestávka.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 připomíná, že za 30 sekund přijde dlouhá přestávka.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Blíží se dlouhá přestávka</translation>
    </message>
    <message>
        <source>work</source>
        <translation>práce</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Zpět k práci</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Předkloňte se a nechte paže volně viset.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Často mrkejte: u obrazovky na to zapomínáme.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Několik sekund rychle mrkejte, pak zavřete oči.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Přestávka za %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Skloňte bradu k hrudi a pomalu ji zvedněte zpět.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Zavřete oči a pomalu dýchejte.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Vypijte sklenici vody.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc zkratku ponechá, Backspace ji odstraní.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Skrýt obraz z kamery</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>S touto klávesou podržte Ctrl, Alt nebo Meta.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Tuto klávesu nemůže Kavo ve zkratce použít.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Podívejte se na něco vzdáleného aspoň šest metrů.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Podívejte se na něco v dálce, pokud můžete, tak z okna.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Podívejte se nahoru, dolů, doleva a doprava a v každé poloze vydržte jeden nádech.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Monitor %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Dejte ruce v bok a jemně se zakloňte.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Přestávka</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Několikrát zakružte rameny dozadu.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Pětkrát zakružte rameny dozadu.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Zobrazit obraz z kamery</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Pomalu kružte očima jedním směrem, pak druhým.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Postavte se a natáhněte obě paže nad hlavu.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Postavte se a protáhněte paže nad hlavou.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Krok %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>Kamera je vypnutá</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Ukloňte hlavu uchem k rameni na jednu a pak na druhou stranu.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Pomalu otočte hlavu doleva a vydržte, pak doprava.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Pomalu otáčejte horní částí těla na obě strany.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>detekce mrkání je vypnutá</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>do práce</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Soubor nastavení Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Uložit soubor...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Otevřít soubor...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Toto okno nelze zobrazit: chybí webová část programu Kavo.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Funkce kamery chybí</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Nastavení nelze uložit</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland nedovolí žádnému programu klikat za uživatele: automatické klikání není k dispozici.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland nedovolí žádnému programu kreslit kurzor myši: softwarový kurzor není k dispozici.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland nedává běžným programům žádný obraz obrazovky: efekty, které pracují s obrazem, zatímco jste nečinní, nejsou k dispozici.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME žádnému programu neřekne, které okno je vpředu (to vyžaduje rozšíření Shellu): pauzy a spouštěče nevidí programy.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Tento kompozitor žádnému programu neřekne, které okno je vpředu: pauzy a spouštěče nevidí programy.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Tato plocha neoznamuje, kdy jste nečinní: nečinnost nezastaví časovač.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Tato plocha si klávesy nechává pro sebe: nastavte každou zkratku v konfiguraci kompozitoru, například ve sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; nebo v Hyprlandu &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help vypíše akce).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Tato plocha nedovolí žádnému oknu ležet nade vším: barva překryvu jde přes barvy obrazovky a světelná skvrna se nezobrazí.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Tato plocha nedovolí žádnému programu převzít klávesnici: přísné přestávky nemohou ostatním programům odepřít klávesy.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Tato plocha nemá oznamovací oblast (žádný StatusNotifierWatcher): spusťte Kavo znovu, aby se otevřelo jeho okno.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Vlastní</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Zdraví</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>&amp;Spánek</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Hraní</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Čtení</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>&amp;Programování</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Biohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>Sl&amp;uneční brýle</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Tma</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Film</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>Pře&amp;krytí</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Pozastavení barev</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Pozastavení časovače</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Pozastavení kurzoru</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>&amp;Změnit režim</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automaticky</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Ručně</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;Pozastaveno</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Zastavit automatické klikání</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
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
