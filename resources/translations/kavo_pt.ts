<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Esta versão do Kavo não indica nenhuma página com as novidades.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Esta versão do Kavo não indica nenhum site.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Este ambiente de trabalho não consegue desenhar o cursor do rato por software: o cursor fica como está.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>A linha %1 não está no formato &quot;programa = temperatura brilho&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Reinicie o PC</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>O Kavo fez uma pequena alteração para permitir valores mais baixos. Reinicie o PC uma vez para desbloquear todas as funções.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Algumas funções estão limitadas porque tem de reiniciar o PC. De momento está a usar a API de cores de alto nível.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Copiar tudo</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>CLIQUE PARA COPIAR O TEXTO PARA A ÁREA DE TRANSFERÊNCIA</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Efeitos de cor do Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>Não foi possível inicializar os efeitos de cor.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>ScheduleText</name>
    <message>
        <source>sec</source>
        <translation>seg</translation>
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
        <translation>Trabalho/Pausa</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Repor temporizador</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Pausar/Retomar</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Temporizador em pausa</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>CLIQUE PARA COPIAR O TEXTO PARA A ÁREA DE TRANSFERÊNCIA</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Hora atual detetada</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>UTC time</source>
        <translation>Hora UTC</translation>
    </message>
    <message>
        <source>Day start time</source>
        <translation>Início do dia</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Início da transição para o dia</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Fim da transição para o dia</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Fim do dia</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Início da noite</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Início da transição para a noite</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Fim da transição para a noite</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Fim da noite</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Duração do dia</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Duração da transição para o dia</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Duração da noite</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Duração da transição para a noite</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Desvio personalizado do fuso horário</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Hora do nascer do sol</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Hora do pôr do sol</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Antecipação na lua nova</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Antecipação na lua cheia</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Antecipação lunar atual</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Hora de deitar</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Início da transição para a hora de deitar</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Fim da transição para a hora de deitar</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Fim do período de sono</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Hora de acordar</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Início da transição para a hora de acordar</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Fim da transição para a hora de acordar</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Fim do período de vigília</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Duração do sono</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Duração da transição do sono</translation>
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
        <translation>Usar localização automática</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Usar duração manual da noite</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>A carregar...</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Localização desconhecida: defina-a manualmente</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Nova versão disponível</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>O Kavo %1 está disponível</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Esta versão do Kavo não indica nenhum servidor de atualizações</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>Sem resposta do servidor de atualizações</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>Não foi possível ler a resposta do servidor de atualizações</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>O Kavo está atualizado</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % deixa as cores como estão; 0 % é cinzento.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Um cursor desenhado por software assume as cores do ecrã.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Uma janela com o registo do Kavo à medida que é escrito. Clique novamente para a fechar.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Acromatomalia</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Acromatopsia</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançada</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Permite valores de 0 K (vermelho intenso) a 10000 K (azul frio).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Permite valores de 10 % a 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Aplicar a saturação definida acima.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Consultar agora o servidor de atualizações, independentemente das definições acima.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Atualizações automáticas</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Guardar alterações automaticamente</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Hora de deitar:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Bloquear o teclado nas pausas rigorosas</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Blue light</source>
        <translation>Luz azul</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Brilho depois do pôr do sol. Num quarto escuro, um ecrã menos brilhante cansa menos os olhos.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Brilho durante o dia, em percentagem do brilho máximo do ecrã.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Brilho do período de sono.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Criar esta janela só quando é aberta pela primeira vez, o que poupa memória e tempo de arranque.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Alterar ligeiramente cada nova rampa de cores, para que um controlador gráfico que ignora uma rampa repetida volte a aceitar as cores do Kavo, por exemplo depois de um jogo as ter reposto.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Verificar agora</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Escolher páginas</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Escolha os monitores que o Kavo altera e se cada um tem cores próprias.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType com renderizador alternativo</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Clique para copiar o texto para a área de transferência</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Fechar a janela oculta-a em vez de a minimizar.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Esquema de cores</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Temperatura de cor</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Temperatura de cor depois do pôr do sol. À noite, uma luz quente prejudica menos o sono.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Temperatura de cor durante o dia. 6500 K é neutro; valores mais baixos são mais quentes e têm menos luz azul.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Temperatura de cor do período de sono.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Brilho de dia</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Luz de dia</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Temperatura de dia</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Transição para o dia:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depuração</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Consola de depuração</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Informações de depuração</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Graus a leste; negativo a oeste.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Graus a norte; negativo a sul.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Dessaturado</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deuteranomalia</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopia</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Durante as pausas rigorosas o teclado não funciona.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Cada passo amplia um pouco mais o ecrã.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>A cada</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Cada idioma aparece com o seu próprio nome.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Valores alargados</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Tipos de letra</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Suavização do tipo de letra</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Antecipação na lua cheia:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Filtros de cor em ecrã inteiro: escalas de cinzentos, inversões, sépia e filtros para a visão das cores.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Dar a cada monitor temperatura e brilho próprios; escolha o monitor nos separadores acima.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Escala de cinzentos em vermelho</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Escala de cinzentos 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Escala de cinzentos 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Escala de cinzentos 3</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Groot</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Ocultar o ícone da barra de tarefas ao fechar</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Como o Kavo se integra no seu ambiente de trabalho.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Como o Kavo mantém as suas cores no ecrã.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Como o Kavo guarda as suas definições e nota que está ausente.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Como uma temperatura de cor se transforma nas cores do ecrã.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>Qual o brilho do ecrã de dia e de noite.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Quanto tempo as cores demoram a mudar quando o Kavo pausa, retoma ou muda de modo ou de tipo.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Quanto tempo demora a passagem para o dia: centrada no nascer do sol, ou a terminar quando a noite acaba pelo relógio.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Quanto tempo demora a passagem para a noite: centrada no pôr do sol, ou a terminar quando a noite começa pelo relógio.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Quanto tempo demoram as passagens para o período de sono e para fora dele; terminam à hora de deitar e à hora de acordar.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Quanta luz azul o ecrã emite de dia e de noite.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>Quanto mais cedo começam a noite e o dia na lua cheia.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>Quanto mais cedo começam a noite e o dia na lua nova.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Com que frequência o Kavo em execução volta a procurar.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Com que lentidão as cores mudam entre o dia, a noite e o sono.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Como o sistema suaviza as margens do texto.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Inverter cores</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>O Kavo pode procurar uma nova versão e avisá-lo quando sair.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>O Kavo segue o sol na sua localização. Se não definir uma, procura-a automaticamente.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>O Kavo fez algumas alterações no sistema e tem de ser reiniciado para que tenham efeito.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>O Kavo fez algumas alterações no sistema e é necessário reiniciar o PC para que tenham efeito.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>O Kavo cuida dos seus olhos: cores mais suaves à noite e lembretes para descansar.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>A versão do Kavo, o seu sistema e ambiente de trabalho, e todas as definições. Clique no texto para o copiar.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Manter sempre o brilho noturno em vez de seguir o sol.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Manter sempre o valor noturno em vez de seguir o sol.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Mantém o Kavo leve enquanto espera em segundo plano.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Premir teclas conta como presença: o temporizador de pausas para ao fim de cerca de 20 minutos sem teclas premidas e volta a arrancar quando regressar.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Inatividade do teclado</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Cor dominante</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Deixar o Kavo definir a frequência acima.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Deixar o Kavo avisá-lo quando sair uma nova versão.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Azul linear</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Procurar uma nova versão quando o Kavo arranca e depois regularmente. Guardado com as outras definições.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Procurar agora</translation>
    </message>
    <message>
        <source>Magmus</source>
        <translation>Magmus</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Ampliação</translation>
    </message>
    <message>
        <source>Manage monitors</source>
        <translation>Gerir monitores</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Brilho manual</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Luz azul manual</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Cores manuais</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Localização manual</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Duração manual da noite</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Muitos ecrãs reduzem a retroiluminação ligando-a e desligando-a muito depressa (PWM). Uma frequência mais alta cintila menos.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Frequência máxima</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
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
        <translation>Lua</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Inatividade do rato</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Mover o rato conta como presença: o temporizador de pausas para ao fim de cerca de 20 minutos sem movimento e volta a arrancar quando regressar.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Atenua ou intensifica as cores de todo o ecrã.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Escala de cinzentos em vermelho negativa</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Escala de cinzentos negativa</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Sépia negativa</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Antecipação na lua nova:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Novidades, ajuda e a versão mais recente.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Brilho de noite</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Luz de noite</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Temperatura de noite</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Transição para a noite:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>A noite acaba às:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>A noite começa às:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Sem suavização</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Indicado nas horas de transição abaixo; o horário do sol segue sempre o fuso horário do sistema.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Fotografia antiga</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Abrir ou fechar</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Abrir site</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Otimizar a criação da interface</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Sobreposição</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>Controlo PWM</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>Frequência PWM</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>Controlo PWM</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Transição da pausa:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Definições por monitor</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Pré-visualizar 24 horas</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Produtivo</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programação</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomalia</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopia</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leitura</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>É necessário reiniciar o Kavo</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>É necessário reiniciar o PC</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Repor cores</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Guardar e fechar</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Guardar as alterações ao fechar a janela. Sem esta opção, fechar a janela repõe as definições guardadas.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Ecrã</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Efeito de ecrã</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Efeitos de ecrã</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Enviar estatísticas de utilização</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Sépia</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Definir novamente a frequência a cada atualização das cores, para ecrãs que a perdem.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Ver novidades</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Inversão simples</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Vista simples</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Sono</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Brilho do sono</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Luz do sono</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Transição do sono:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Inversão inteligente 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Inversão inteligente 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Inversão inteligente 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Inversão inteligente 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Inversão inteligente 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Iniciar o Kavo com o sistema</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Iniciar o Kavo quando inicia sessão.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Começar e acabar a noite pelo relógio em vez de pelo sol.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Reduz passo a passo até o ecrã voltar ao tamanho normal.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Rigoroso</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Óculos de sol</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Trocar cores</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>As alterações desta versão do Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>A temperatura de cor do ecrã de dia e de noite, e as cores invertidas.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>A cor que fica mais forte nas temperaturas quentes.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>O filtro aplicado a todo o ecrã.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>A frequência que o Kavo define enquanto o Controlo PWM está ativo. Pergunte ao fabricante do ecrã que frequências suporta.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>A frequência mais alta que o controlo deslizante oferece, em hertz.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>O idioma das janelas, menus e mensagens do Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>A lua desloca o horário do sol: a noite e o dia começam mais cedo, numa antecipação que vai do valor da lua nova ao valor da lua cheia à medida que a lua enche.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>O período de sono acaba aqui.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>O período de sono começa aqui.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>A tabela de cores que o Kavo segue do quente ao frio.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Este ecrã não oferece ao Kavo controlo PWM: o programa auxiliar kavo_get_pwm_frequency não existe ou não indica nenhuma frequência.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Este ambiente de trabalho não oferece ao Kavo nenhuma retroiluminação: o brilho do ecrã fica como está.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>A luz noturna deste ambiente de trabalho mostra apenas a temperatura de cor: os esquemas de cores, a cor principal e os efeitos de ecrã precisam de rampas gama.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Desvio do fuso horário:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transição</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomalia</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopia</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Ativar ou desativar o filtro escolhido.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Atualizar continuamente</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Usar definições avançadas</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Usar corretor de gama</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Usar cursor do rato por software</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Usar as coordenadas abaixo em vez da localização obtida.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Usar as cores do sono entre a hora de deitar e a hora de acordar.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Hora de acordar:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Cores mais quentes e menos brilhantes para as horas antes de se deitar.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Desbotado 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Desbotado 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Desbotado 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>O que enviar com um pedido de ajuda. Nada sai do seu computador sem que o envie.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>O local para o qual o Kavo calcula o nascer e o pôr do sol.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Quando é o ambiente de trabalho a decidir a suavização dos tipos de letra, esta opção não tem efeito.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Que páginas e janelas abre, de cada vez com um novo número aleatório, nunca o seu nome ou endereço. Só quando esta versão do Kavo indica um endereço de estatísticas.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Ampliar:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Reduzir:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Amplia todo o ecrã à volta do ponteiro do rato.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dia</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculta</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mês</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>por minuto</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>pausa</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visível</translation>
    </message>
    <message>
        <source>until</source>
        <translation>até à</translation>
    </message>
    <message>
        <source>week</source>
        <translation>semana</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Um minuto de exercícios, mostrados passo a passo num canto do ecrã.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>O programa em primeiro plano recebe cores próprias: um filme mais brilhante, um leitor mais quente.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Um som curto nos últimos segundos antes de uma pausa e antes do trabalho.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Uma pequena janela num canto do ecrã com a contagem e a imagem da câmara.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicações</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Inteligência artificial (IA)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Clique automático</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Fechar automaticamente o ecrã de pausa</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Brilho automático</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Exercícios para as costas</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Deteção de pestanejo</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Janela de pestanejo</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Pausa a cada</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pausas</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmara</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>A clicar</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Clica com o botão esquerdo do rato onde está o ponteiro, vezes sem conta.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Suspensão de cores</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Cores por programa</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>As mudanças de cor param enquanto um destes programas está visível: para desenho, fotografias e filmes.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Continue quando estiver pronto.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Conte os pestanejos por minuto. A olhar para um ecrã, as pessoas pestanejam menos; a contagem lembra-o disso.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 repõe todas as definições, Ctrl+Alt+Shift+F11 sai do Kavo e Ctrl+Alt+Shift+F12 repõe as cores, independentemente dos atalhos acima.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Diminuir brilho</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Diminuir temperatura</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Escurecer um pouco o ecrã enquanto mostra conteúdo claro.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Terminar sobreposição do ecrã</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Exercícios para os olhos</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Aplicações em ecrã inteiro</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Faça uma pausa</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>Agora em primeiro plano</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Pausa a chegar</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Aumentar brilho</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Aumentar temperatura</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Invert the colours while the screen shows mostly bright content.</source>
        <translation>Inverter as cores enquanto o ecrã mostra sobretudo conteúdo claro.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>O Kavo adapta o ecrã à sala e ao que ele mostra. As imagens da câmara e as capturas de ecrã são medidas e descartadas: nunca são guardadas nem enviadas para lado nenhum.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>O Kavo escuta os seus atalhos em todos os programas.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>O Kavo lembra-o de descansar os olhos: uma pausa curta depois de cada período de trabalho.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Versão do Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Manter o ecrã tão claro como a sala à volta.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Combinações de teclas que chegam ao Kavo a partir de qualquer programa.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Leve</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Leve é apenas um véu escuro com o tempo restante. Simples e Padrão são páginas inteiras; Padrão acrescenta o relógio e uma sugestão para a pausa.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Desvie o olhar do ecrã e deixe os olhos relaxar.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Olhe para longe, rode os olhos e pestaneje: os olhos focados num ecrã o dia todo são os que mais precisam.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Manual ou automático</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Ajustar o brilho à iluminação</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Milissegundos entre dois cliques, no mínimo 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Minutos de trabalho, depois segundos de pausa.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Suspensão do rato</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Exercícios para o pescoço</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>As pausas normais podem ser saltadas, as rigorosas não. Produtivo mostra uma pequena contagem decrescente em vez de cobrir o ecrã.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>Um programa por linha, com o nome com que é executado (vlc, kmplayer). Acrescente fullscreen depois de um nome para pausar só enquanto ocupa o ecrã inteiro.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>Um programa por linha, com o nome exato com que é executado (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>Um programa por linha, com o nome exato com que é executado (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>Um programa por linha: nome = temperatura brilho, por exemplo vlc = 6500 120. Temperatura de 0 a 10000 K, brilho de 10 a 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Pausar as mudanças de cor enquanto um programa da lista está visível.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Pausar as mudanças de cor enquanto um programa ocupa o ecrã inteiro.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Pausar ou retomar o Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Pausar ou retomar o temporizador</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Adiar</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Duração do adiamento</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Prima a nova combinação</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Programas e cores</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Sair do Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Ecrã de pausa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Ativar ou desativar efeitos de ecrã</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Sobreposições</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensores</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atalho</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Rotações e inclinações lentas para um pescoço que ficou demasiado tempo na mesma posição.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Brilho inteligente</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Inversão inteligente</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Iniciar uma pausa</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Iniciar sobreposição do ecrã</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Pare-o aqui, no menu da área de notificação ou saindo do Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Parar o temporizador de pausas enquanto um programa da lista está visível.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Parar o temporizador de pausas enquanto um programa ocupa o ecrã inteiro.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Alongamentos que pode fazer de pé junto à secretária.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Desligar o cursor por software enquanto um programa da lista está visível.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Desligar o cursor por software enquanto um programa ocupa o ecrã inteiro.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Dez segundos antes de uma pausa, o Kavo propõe adiá-la este número de minutos.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>O temporizador de pausas para enquanto um destes programas está visível: filmes, apresentações, chamadas.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>A câmara mede a luz da sala e o brilho acompanha-a, um pouco a cada segundo.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>O programa que está a usar, com o nome usado nas listas.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>A pausa terminou</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>O cursor por software desaparece enquanto um destes programas está visível: os jogos desenham o seu próprio.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Esta é uma pausa rigorosa: termina sozinha.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Hora de uma pausa</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Suspensão do temporizador</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Tipo de temporizador</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Usar sons</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Usar as cores da lista enquanto um programa da lista está em primeiro plano.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Usar a primeira câmara para a luz da sala e a contagem de pestanejos.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>O que cobre os seus monitores durante uma pausa.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>O que o atalho faz.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Quando a pausa termina, o trabalho recomeça logo. Sem esta opção, o ecrã de pausa espera que continue.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>seg</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>até à pausa</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b é enable ou disable, %d um número inteiro, %f um número, %s uma palavra. Clique num feitiço para o copiar para a caixa de texto.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Clique novamente para repor todas as definições</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Escreva o seu feitiço:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Funções ocultas</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Leve as suas definições para outro computador ou guarde uma cópia.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Repor predefinições</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Definições exportadas</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Ficheiro de definições</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Feitiços</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Os feitiços alteram definições que não têm controlo nas páginas. Os mesmos feitiços funcionam na linha de comandos: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Uma camada colorida transparente sobre o ecrã escurece-o e tinge-o mais do que as cores sozinhas; os cliques atravessam-na.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Escurecimento diurno</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Opacidade diurna</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Quão escura fica a zona à volta.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Quanto mais escura fica a cor da camada à noite.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Quanto mais escura fica a cor da camada de dia.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Quanto a camada cobre o ecrã à noite.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Quanto a camada cobre o ecrã de dia.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Índigo</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Mantém um ponto claro no ecrã e escurece o que está à sua volta; os cliques atravessam-no.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limão</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Foco de luz</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Night Dim</source>
        <translation>Escurecimento noturno</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Opacidade noturna</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Cor da sobreposição</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Raio</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Repor área</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Escarlate</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Sobreposição do ecrã</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Selecione uma área e depois arraste sobre o ecrã: a área fica livre. Esc cancela.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Selecionar área</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Mostrar a camada.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Mostrar o ponto claro.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>A cor da camada.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>O tamanho do ponto claro.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>Neste ambiente de trabalho, o efeito aparece quando está inativo: após dois segundos sem atividade, uma imagem do ecrã com o efeito cobre-o até premir uma tecla ou mover o rato.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Este efeito aparece de imediato.</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Where the spot sits across the screen.</source>
        <translation>Onde fica o ponto na horizontal do ecrã.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>Onde fica o ponto na vertical do ecrã.</translation>
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
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Definições importadas</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Definições não importadas</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 entra em conflito com %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 entra em conflito com as alterações de cor do %2 e as cores podem cintilar.
O %2 fecha automaticamente estas aplicações, mas desinstale uma delas se os problemas continuarem.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Tempo restante: %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>Nenhuma câmara encontrada</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>Detetores de objetos não encontrados</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Feitiço inválido</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>O feitiço &quot;%1&quot; parece errado. Verifique a sintaxe ou experimente outra função oculta.
Use &quot;help&quot; para ver a lista de todas as funções ocultas :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Função oculta executada</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 executado</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Temperatura inválida</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 é um valor inválido para a temperatura de cor. Use um número entre 0 e 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Temperatura alterada</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Temperatura de cor alterada para %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Brilho inválido</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 é um valor inválido para o brilho. Use um número entre 10 e 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Brilho alterado</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Brilho alterado para %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Início da noite inválido</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 é um valor inválido para o início da noite. Use um número entre 0 e 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Início da noite alterado</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Início manual da noite alterado para as %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Fim da noite inválido</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 é um valor inválido para o fim da noite. Use um número entre 0 e 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Fim da noite alterado</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Fim manual da noite alterado para as %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>O Kavo está a mudar para o tipo %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>Verá a diferença no ecrã daqui a um momento :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Notificações ativadas</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>As notificações das funções ocultas estão ativadas. São mostradas para saber quando o seu feitiço resultou</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Notificações desativadas</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>As notificações das funções ocultas estão desativadas. Esta é a última notificação que verá</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Corretor de gama ativado</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>O corretor de gama está ativado. Se notar uma ligeira mudança de cor a cada segundo, volte a desativá-lo. O corretor de gama é usado porque o Windows ignora de vez em quando as pequenas alterações do Kavo.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Corretor de gama desativado</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>O corretor de gama está desativado. Se o ecrã ficar subitamente claro, volte a ativá-lo ou clique várias vezes no ícone do Kavo mini. Ambos obrigam o Kavo a alterar as cores do ecrã.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Cursor por software ativado</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>As alterações de cor também se aplicam ao cursor. Se começar a desaparecer, use &quot;disable software cursor&quot; para o tornar claro novamente.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Cursor por hardware ativado</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>As alterações de cor não se aplicam ao cursor. Se não gosta do cursor azul brilhante à noite, use &quot;enable software cursor&quot; para aplicar as alterações de cor ao cursor.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Aplicações em conflito permitidas</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>As aplicações em conflito estão permitidas. Já pode usar outros programas que alteram as cores do ecrã.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Aplicações em conflito não permitidas</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>As aplicações em conflito não são permitidas, para evitar cintilação.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Monitor %1 desativado</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>O Kavo não vai aplicar alterações de cor ao monitor %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Monitor %1 ativado</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>O Kavo vai aplicar alterações de cor ao monitor %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>A gama de cores já está expandida</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>A gama de cores já está expandida. Se tiver problemas com valores mais baixos, experimente reiniciar o PC. Se o problema persistir, escreva-nos com informações sobre o seu PC para o podermos testar e corrigir.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>Falha ao expandir a gama de cores</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>Falha ao expandir a gama de cores: precisa de permissões de administrador</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>Nenhum desinstalador na pasta da aplicação</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>Não há nenhum desinstalador em &quot;%1&quot;
 Pode sair do %2 e eliminar a pasta manualmente</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Preservação da gama ativada</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>A partir de agora, o Kavo respeita a calibração de cores. Feche e volte a iniciar o Kavo mini para que preserve as suas cores durante o dia</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Preservação da gama desativada</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>A partir de agora, o Kavo não respeita a calibração de cores e usa as definições predefinidas do monitor</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Início com o sistema ativado</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>O Kavo mini vai iniciar quando ligar o computador</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Início com o sistema desativado</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>O Kavo mini não vai iniciar quando ligar o computador</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Rotação do ícone na área de notificação ativada</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>O ícone na área de notificação roda enquanto o Kavo altera as cores do ecrã. Serve para mostrar quando o Kavo mini está a alterar as cores e o ecrã não está calibrado</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Rotação do ícone na área de notificação desativada</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>O ícone na área de notificação não roda enquanto o Kavo altera as cores do ecrã. Esta função serve para mostrar quando o Kavo mini está a alterar as cores e o ecrã não está calibrado</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Cores repostas</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>As cores do ecrã foram repostas para os valores predefinidos</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Definições repostas</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>As definições do Kavo foram repostas para os valores predefinidos</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Hook do teclado ativado</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Hook do teclado ativado. Já pode usar atalhos em todo o sistema.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Hook do teclado desativado</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Hook do teclado desativado. Alguns atalhos e funções podem não funcionar como previsto</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Atalhos de teclado ativados</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Atalhos de teclado ativados. Já pode usar os atalhos do Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Atalhos de teclado desativados</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Atalhos de teclado desativados. Os atalhos do Kavo não vão funcionar</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Atalhos de emergência ativados</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Atalhos de emergência ativados. Já pode usar os atalhos de emergência do Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Atalhos de emergência desativados</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Atalhos de emergência desativados. Os atalhos de emergência do Kavo não vão funcionar</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Todos os atalhos e hooks do teclado ativados</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Todos os atalhos e hooks do teclado ativados. Já pode usar os atalhos do sistema, do Kavo e de emergência.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Todos os atalhos e hooks do teclado desativados</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Todos os atalhos e hooks do teclado desativados. Os atalhos do sistema, do Kavo e de emergência não vão funcionar</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Temperatura manual ativada</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Está agora a usar o modo misto do Kavo</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Temperatura manual desativada</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>O Kavo volta a usar o modo selecionado para a temperatura</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Brilho manual ativado</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Está agora a usar o modo misto do Kavo mini</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Brilho manual desativado</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>O Kavo mini volta a usar o modo selecionado para o brilho</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Zero luz azul</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Toda a luz azul foi removida do ecrã</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>As cores estão invertidas</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Localização manual ativada</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>O Kavo mini vai usar a sua localização manual. Defina a latitude e a longitude com as funções ocultas</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Localização manual desativada</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>O Kavo mini vai usar a localização automática. A localização serve para calcular a posição do sol e a duração do dia e da noite</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Latitude alterada</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Latitude alterada para %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Longitude alterada</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Longitude alterada para %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Duração manual da noite ativada</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>O Kavo mini vai usar a duração manual da noite. Defina o início e o fim com as funções ocultas</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Duração manual da noite desativada</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>O Kavo mini vai usar a duração automática da noite com base na localização. A localização serve para calcular a posição do sol e a duração do dia e da noite</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>Nenhum ficheiro selecionado para exportar</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>Não foi possível escrever o ficheiro para exportar: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Definições exportadas para %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>Nenhum ficheiro selecionado para importar</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>Não foi possível abrir o ficheiro para importar</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Ficheiro demasiado grande para importar (mais de 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Definições demasiado grandes para importar (mais de 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>Não é um ficheiro de definições do Kavo: não começa pelo cabeçalho &quot;#Created by&quot;</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Nenhuma definição para importar: o ficheiro não contém nenhuma definição que o Kavo conheça</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>Não é possível gravar as definições: a importação não foi guardada</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>%1 definições importadas</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, %1 chaves desconhecidas ignoradas</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, %1 linhas inválidas ignoradas</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 até ao trabalho</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 até à pausa</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>O %1 lembra-o de que uma pausa longa vai começar dentro de %2 minutos.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>O %1 lembra-o de que uma pausa longa vai começar dentro de 30 segundos.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Pausa longa a chegar</translation>
    </message>
    <message>
        <source>work</source>
        <translation>trabalho</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>De volta ao trabalho</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Incline-se para a frente e deixe os braços cair soltos.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Pestaneje com frequência: os ecrãs fazem-nos esquecer.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Pestaneje depressa durante alguns segundos e depois feche os olhos.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Pausa dentro de %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Leve o queixo ao peito e levante-o devagar.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Feche os olhos e respire devagar.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Beba um copo de água.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc mantém o atalho, Backspace remove-o.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Ocultar a imagem da câmara</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Mantenha premido Ctrl, Alt ou Meta com esta tecla.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>O Kavo não pode usar esta tecla num atalho.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Olhe para algo a pelo menos seis metros de distância.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Olhe para algo distante, pela janela se puder.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Olhe para cima, para baixo, para a esquerda e para a direita, mantendo cada posição durante uma respiração.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Monitor %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Ponha as mãos na cintura e incline-se suavemente para trás.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Rode os ombros para trás algumas vezes.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Rode os ombros para trás cinco vezes.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Mostrar a imagem da câmara</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Rode os olhos devagar num círculo e depois no sentido contrário.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Levante-se e estique os dois braços acima da cabeça.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Levante-se e alongue os braços acima da cabeça.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Passo %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>A câmara está desligada</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Incline a orelha em direção ao ombro, de cada lado.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Rode a cabeça devagar para a esquerda e mantenha, depois para a direita.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Rode o tronco devagar para cada lado.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>deteção de pestanejo desligada</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>até ao trabalho</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Ficheiro de definições do Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Guardar ficheiro...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Abrir ficheiro...</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>Não é possível mostrar esta janela: falta o componente web do Kavo.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Faltam as funções da câmera</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>Não é possível guardar as definições</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>O Wayland não deixa nenhum programa clicar por você: o clique automático não está disponível.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>O Wayland não deixa nenhum programa desenhar o cursor do mouse: o cursor por software não está disponível.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>O Wayland não dá aos programas comuns nenhuma imagem da tela: os efeitos que trabalham sobre uma imagem enquanto você está inativo não estão disponíveis.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>O GNOME não diz a nenhum programa qual janela está à frente (isso exige uma extensão do Shell): as pausas e os gatilhos não conseguem ver os programas.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Este compositor não diz a nenhum programa qual janela está à frente: as pausas e os gatilhos não conseguem ver os programas.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Esta área de trabalho não informa quando você está inativo: a inatividade não para o temporizador.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Esta área de trabalho guarda as teclas para si: associe cada atalho na configuração do compositor, por exemplo no sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; ou no Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lista as ações).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Esta área de trabalho não deixa nenhuma janela ficar por cima de tudo: a cor da sobreposição passa pelas cores da tela, e o foco de luz não é mostrado.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Esta área de trabalho não deixa nenhum programa tomar o teclado: as pausas rígidas não conseguem impedir que outros programas recebam as teclas.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Esta área de trabalho não tem bandeja (nenhum StatusNotifierWatcher): inicie o Kavo de novo para abrir a janela dele.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Personalizado</translation>
    </message>
    <message>
        <source>&amp;Health</source>
        <translation>&amp;Saúde</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>So&amp;no</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Jogos</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Leitura</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>P&amp;rogramação</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Biohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>Ó&amp;culos de sol</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Escuro</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>&amp;Filme</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>S&amp;obreposição</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Suspensão de cores</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Suspensão do temporizador</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Suspensão do rato</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>&amp;Mudar de modo</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automático</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Ma&amp;nual</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>Em &amp;pausa</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Parar o clique automático</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
