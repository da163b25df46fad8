<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>App</name>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>This build of Kavo names no page with its changes.</source>
        <translation>Esta compilación de Kavo no indica ninguna página con sus cambios.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>This build of Kavo names no website.</source>
        <translation>Esta compilación de Kavo no indica ningún sitio web.</translation>
    </message>
    <message>
        <source>This desktop cannot draw the mouse cursor in software: the cursor stays as it is.</source>
        <translation>Este escritorio no puede dibujar el cursor del ratón por software: el cursor se queda como está.</translation>
    </message>
</context>
<context>
    <name>ColorTriggers</name>
    <message>
        <source>Line %1 is not &quot;program = temperature brightness&quot;: %2</source>
        <translation>La línea %1 no tiene la forma «programa = temperatura brillo»: %2</translation>
    </message>
</context>
<context>
    <name>Cyclops</name>
    <message>
        <source>Restart your PC</source>
        <translation>Reinicia tu PC</translation>
    </message>
    <message>
        <source>Kavo made a small change to enable lower values. You need to restart your PC once to unlock full functionality.</source>
        <translation>Kavo ha hecho un pequeño cambio para permitir valores más bajos. Reinicia tu PC una vez para desbloquear todas las funciones.</translation>
    </message>
    <message>
        <source>Some functionality is limited, because you need to Restart your PC. You are using High-level Color API right now.</source>
        <translation>Algunas funciones están limitadas porque tienes que reiniciar tu PC. Ahora mismo se usa la API de color de alto nivel.</translation>
    </message>
</context>
<context>
    <name>DebugConsoleWindow</name>
    <message>
        <source>Copy all</source>
        <translation>Copiar todo</translation>
    </message>
</context>
<context>
    <name>DebugInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>HAZ CLIC PARA COPIAR EL TEXTO AL PORTAPAPELES</translation>
    </message>
</context>
<context>
    <name>MagnificationApi</name>
    <message>
        <source>Kavo Color Effects</source>
        <translation>Efectos de color de Kavo</translation>
    </message>
    <message>
        <source>Failed to initialize color effects.</source>
        <translation>No se pudieron inicializar los efectos de color.</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Trabajo/Descanso</translation>
    </message>
    <message>
        <source>Reset timer</source>
        <translation>Reiniciar temporizador</translation>
    </message>
    <message>
        <source>Pause/Resume</source>
        <translation>Pausar/Reanudar</translation>
    </message>
    <message>
        <source>Timer paused</source>
        <translation>Temporizador en pausa</translation>
    </message>
</context>
<context>
    <name>TransitionTimesInfo</name>
    <message>
        <source>CLICK TO COPY THE TEXT TO CLIPBOARD</source>
        <translation>HAZ CLIC PARA COPIAR EL TEXTO AL PORTAPAPELES</translation>
    </message>
    <message>
        <source>Detected current Clock time</source>
        <translation>Hora actual detectada</translation>
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
        <translation>Inicio del día</translation>
    </message>
    <message>
        <source>Day transition start time</source>
        <translation>Inicio de la transición al día</translation>
    </message>
    <message>
        <source>Day transition end time</source>
        <translation>Fin de la transición al día</translation>
    </message>
    <message>
        <source>Day end time</source>
        <translation>Fin del día</translation>
    </message>
    <message>
        <source>Night start time</source>
        <translation>Inicio de la noche</translation>
    </message>
    <message>
        <source>Night transition start time</source>
        <translation>Inicio de la transición a la noche</translation>
    </message>
    <message>
        <source>Night transition end time</source>
        <translation>Fin de la transición a la noche</translation>
    </message>
    <message>
        <source>Night end time</source>
        <translation>Fin de la noche</translation>
    </message>
    <message>
        <source>Day duration</source>
        <translation>Duración del día</translation>
    </message>
    <message>
        <source>Day transition duration</source>
        <translation>Duración de la transición al día</translation>
    </message>
    <message>
        <source>Night duration</source>
        <translation>Duración de la noche</translation>
    </message>
    <message>
        <source>Night transition duration</source>
        <translation>Duración de la transición a la noche</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Custom Time zone offset</source>
        <translation>Desfase horario personalizado</translation>
    </message>
    <message>
        <source>Sunrise time</source>
        <translation>Salida del sol</translation>
    </message>
    <message>
        <source>Sunset time</source>
        <translation>Puesta del sol</translation>
    </message>
    <message>
        <source>New moon offset</source>
        <translation>Desfase de luna nueva</translation>
    </message>
    <message>
        <source>Full moon offset</source>
        <translation>Desfase de luna llena</translation>
    </message>
    <message>
        <source>Current moon offset</source>
        <translation>Desfase lunar actual</translation>
    </message>
    <message>
        <source>Bedtime</source>
        <translation>Hora de dormir</translation>
    </message>
    <message>
        <source>Bedtime transition start time</source>
        <translation>Inicio de la transición a la hora de dormir</translation>
    </message>
    <message>
        <source>Bedtime transition end time</source>
        <translation>Fin de la transición a la hora de dormir</translation>
    </message>
    <message>
        <source>Bedtime end time</source>
        <translation>Fin del periodo de sueño</translation>
    </message>
    <message>
        <source>Wake time</source>
        <translation>Hora de despertar</translation>
    </message>
    <message>
        <source>Wake time transition start time</source>
        <translation>Inicio de la transición a la hora de despertar</translation>
    </message>
    <message>
        <source>Wake time transition end time</source>
        <translation>Fin de la transición a la hora de despertar</translation>
    </message>
    <message>
        <source>Wake time end time</source>
        <translation>Fin del periodo de vigilia</translation>
    </message>
    <message>
        <source>Sleep duration</source>
        <translation>Duración del sueño</translation>
    </message>
    <message>
        <source>Sleep transition duration</source>
        <translation>Duración de la transición de sueño</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Use Automatic Location</source>
        <translation>Usar ubicación automática</translation>
    </message>
    <message>
        <source>Use Manual Night Duration</source>
        <translation>Usar duración manual de la noche</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>Loading...</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Location unknown: set it by hand</source>
        <translation>Ubicación desconocida: indícala a mano</translation>
    </message>
    <message>
        <source>New version available</source>
        <translation>Nueva versión disponible</translation>
    </message>
    <message>
        <source>Kavo %1 is available</source>
        <translation>Kavo %1 está disponible</translation>
    </message>
    <message>
        <source>This build of Kavo names no update server</source>
        <translation>Esta compilación de Kavo no indica ningún servidor de actualizaciones</translation>
    </message>
    <message>
        <source>No answer from the update server</source>
        <translation>El servidor de actualizaciones no responde</translation>
    </message>
    <message>
        <source>The update server&apos;s answer could not be read</source>
        <translation>No se pudo leer la respuesta del servidor de actualizaciones</translation>
    </message>
    <message>
        <source>Kavo is up to date</source>
        <translation>Kavo está actualizado</translation>
    </message>
    <message>
        <source>100 % leaves colours as they are; 0 % is grey.</source>
        <translation>100 % deja los colores como están; 0 % es gris.</translation>
    </message>
    <message>
        <source>A cursor drawn in software takes on the screen colours.</source>
        <translation>Un cursor dibujado por software adopta los colores de la pantalla.</translation>
    </message>
    <message>
        <source>A window with Kavo&apos;s log as it is written. Click again to close it.</source>
        <translation>Una ventana con el registro de Kavo a medida que se escribe. Vuelve a hacer clic para cerrarla.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Achromatomaly</source>
        <translation>Acromatomalía</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Acromatopsia</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Allows values from 0 K (deep red) to 10000 K (cold blue).</source>
        <translation>Permite valores de 0 K (rojo intenso) a 10000 K (azul frío).</translation>
    </message>
    <message>
        <source>Allows values from 10 % to 150 %.</source>
        <translation>Permite valores del 10 % al 150 %.</translation>
    </message>
    <message>
        <source>Apply the saturation above.</source>
        <translation>Aplicar la saturación de arriba.</translation>
    </message>
    <message>
        <source>Ask the update server once, whatever the settings above.</source>
        <translation>Consultar una vez el servidor de actualizaciones, sea cual sea la configuración de arriba.</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Automatic Updates</source>
        <translation>Actualizaciones automáticas</translation>
    </message>
    <message>
        <source>Autosave settings changes</source>
        <translation>Guardar cambios automáticamente</translation>
    </message>
    <message>
        <source>Bedtime:</source>
        <translation>Hora de dormir:</translation>
    </message>
    <message>
        <source>Biohacker</source>
        <translation>Biohacker</translation>
    </message>
    <message>
        <source>Block keyboard on strict mode</source>
        <translation>Bloquear el teclado en modo estricto</translation>
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
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Brightness after sunset. A dimmer screen strains the eyes less in a dark room.</source>
        <translation>Brillo tras la puesta del sol. En una habitación oscura, una pantalla más tenue cansa menos la vista.</translation>
    </message>
    <message>
        <source>Brightness in daylight, in percent of the full screen brightness.</source>
        <translation>Brillo durante el día, en porcentaje del brillo máximo de la pantalla.</translation>
    </message>
    <message>
        <source>Brightness of the sleep period.</source>
        <translation>Brillo del periodo de sueño.</translation>
    </message>
    <message>
        <source>Build this window only when it is first opened, which saves memory and start-up time.</source>
        <translation>Crear esta ventana solo la primera vez que se abre, lo que ahorra memoria y tiempo de inicio.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Change every new colour ramp a little, so that a display driver that ignores a repeated ramp takes Kavo&apos;s colours again, for instance after a game reset them.</source>
        <translation>Modificar un poco cada nueva rampa de color, para que un controlador gráfico que ignora una rampa repetida vuelva a tomar los colores de Kavo, por ejemplo después de que un juego los haya restablecido.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Buscar ahora</translation>
    </message>
    <message>
        <source>Choose pages</source>
        <translation>Elegir páginas</translation>
    </message>
    <message>
        <source>Choose the monitors Kavo changes, and whether each has colours of its own.</source>
        <translation>Elige los monitores que cambia Kavo y si cada uno tiene sus propios colores.</translation>
    </message>
    <message>
        <source>ClearType</source>
        <translation>ClearType</translation>
    </message>
    <message>
        <source>ClearType with alternative renderer</source>
        <translation>ClearType con renderizador alternativo</translation>
    </message>
    <message>
        <source>Click to copy the text to the clipboard</source>
        <translation>Haz clic para copiar el texto al portapapeles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closing the window hides it instead of minimising it.</source>
        <translation>Al cerrar la ventana, se oculta en lugar de minimizarse.</translation>
    </message>
    <message>
        <source>Color Scheme</source>
        <translation>Esquema de color</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>Temperatura de color</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Colour temperature after sunset. Warm light in the evening is kinder to your sleep.</source>
        <translation>Temperatura de color tras la puesta del sol. Una luz cálida por la noche cuida tu sueño.</translation>
    </message>
    <message>
        <source>Colour temperature in daylight. 6500 K is neutral; lower values are warmer and hold less blue light.</source>
        <translation>Temperatura de color durante el día. 6500 K es neutro; los valores más bajos son más cálidos y tienen menos luz azul.</translation>
    </message>
    <message>
        <source>Colour temperature of the sleep period.</source>
        <translation>Temperatura de color del periodo de sueño.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Day Brightness</source>
        <translation>Brillo de día</translation>
    </message>
    <message>
        <source>Day Light</source>
        <translation>Luz de día</translation>
    </message>
    <message>
        <source>Day Temperature</source>
        <translation>Temperatura de día</translation>
    </message>
    <message>
        <source>Day Transition:</source>
        <translation>Transición al día:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>Debug console</source>
        <translation>Consola de depuración</translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation>Información de depuración</translation>
    </message>
    <message>
        <source>Degrees east; negative in the west.</source>
        <translation>Grados este; negativo al oeste.</translation>
    </message>
    <message>
        <source>Degrees north; negative in the south.</source>
        <translation>Grados norte; negativo al sur.</translation>
    </message>
    <message>
        <source>Desaturated</source>
        <translation>Desaturado</translation>
    </message>
    <message>
        <source>Deuteranomaly</source>
        <translation>Deuteranomalía</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopía</translation>
    </message>
    <message>
        <source>During strict breaks the keyboard does nothing.</source>
        <translation>Durante los descansos estrictos el teclado no responde.</translation>
    </message>
    <message>
        <source>Each step enlarges the screen a little more.</source>
        <translation>Cada paso amplía la pantalla un poco más.</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Cada</translation>
    </message>
    <message>
        <source>Every language is named in its own words.</source>
        <translation>Cada idioma aparece escrito en su propia lengua.</translation>
    </message>
    <message>
        <source>Extended values</source>
        <translation>Valores ampliados</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Fonts type</source>
        <translation>Suavizado de fuentes</translation>
    </message>
    <message>
        <source>Full Moon offset:</source>
        <translation>Desfase de luna llena:</translation>
    </message>
    <message>
        <source>Full-screen colour filters: grey scales, inversions, sepia and colour-vision filters.</source>
        <translation>Filtros de color a pantalla completa: escalas de grises, inversiones, sepia y filtros para la visión del color.</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Give every monitor its own temperature and brightness; choose the monitor with the tabs above.</source>
        <translation>Dar a cada monitor su propia temperatura y brillo; elige el monitor con las pestañas de arriba.</translation>
    </message>
    <message>
        <source>Grayclase Red</source>
        <translation>Escala de grises en rojo</translation>
    </message>
    <message>
        <source>Grayscale 1</source>
        <translation>Escala de grises 1</translation>
    </message>
    <message>
        <source>Grayscale 2</source>
        <translation>Escala de grises 2</translation>
    </message>
    <message>
        <source>Grayscale 3</source>
        <translation>Escala de grises 3</translation>
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
        <translation>Salud</translation>
    </message>
    <message>
        <source>Hide Taskbar icon on close</source>
        <translation>Ocultar el icono de la barra de tareas al cerrar</translation>
    </message>
    <message>
        <source>How Kavo fits into your desktop.</source>
        <translation>Cómo se integra Kavo en tu escritorio.</translation>
    </message>
    <message>
        <source>How Kavo keeps its colours on the screen.</source>
        <translation>Cómo mantiene Kavo sus colores en la pantalla.</translation>
    </message>
    <message>
        <source>How Kavo keeps your settings and notices that you are away.</source>
        <translation>Cómo guarda Kavo tu configuración y detecta tu ausencia.</translation>
    </message>
    <message>
        <source>How a colour temperature turns into screen colours.</source>
        <translation>Cómo una temperatura de color se convierte en colores de pantalla.</translation>
    </message>
    <message>
        <source>How bright the screen is by day and by night.</source>
        <translation>El brillo de la pantalla de día y de noche.</translation>
    </message>
    <message>
        <source>How long colours glide when Kavo pauses, resumes or changes mode or type.</source>
        <translation>Cuánto dura el fundido de colores cuando Kavo se pausa, se reanuda o cambia de modo o de tipo.</translation>
    </message>
    <message>
        <source>How long the change into day takes: centred on sunrise, or ending when the night ends by the clock.</source>
        <translation>Cuánto dura el paso al día: centrado en la salida del sol, o terminando cuando acaba la noche según el reloj.</translation>
    </message>
    <message>
        <source>How long the change into night takes: centred on sunset, or ending when the night starts by the clock.</source>
        <translation>Cuánto dura el paso a la noche: centrado en la puesta del sol, o terminando cuando empieza la noche según el reloj.</translation>
    </message>
    <message>
        <source>How long the changes into and out of the sleep period take; they end at bedtime and at wake time.</source>
        <translation>Cuánto duran los pasos hacia el periodo de sueño y desde él; terminan a la hora de dormir y a la hora de despertar.</translation>
    </message>
    <message>
        <source>How much blue light the screen gives off by day and by night.</source>
        <translation>Cuánta luz azul emite la pantalla de día y de noche.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at full moon.</source>
        <translation>Cuánto antes empiezan la noche y el día con luna llena.</translation>
    </message>
    <message>
        <source>How much earlier night and day begin at new moon.</source>
        <translation>Cuánto antes empiezan la noche y el día con luna nueva.</translation>
    </message>
    <message>
        <source>How often a running Kavo looks again.</source>
        <translation>Cada cuánto vuelve a buscar Kavo mientras está en marcha.</translation>
    </message>
    <message>
        <source>How slowly the colours change between day, night and sleep.</source>
        <translation>Con qué lentitud cambian los colores entre el día, la noche y el sueño.</translation>
    </message>
    <message>
        <source>How the system smooths the edges of text.</source>
        <translation>Cómo suaviza el sistema los bordes del texto.</translation>
    </message>
    <message>
        <source>Invert colors</source>
        <translation>Invertir colores</translation>
    </message>
    <message>
        <source>Kavo</source>
        <translation>Kavo</translation>
    </message>
    <message>
        <source>Kavo can look for a new version and tell you when one is out.</source>
        <translation>Kavo puede buscar una nueva versión y avisarte cuando salga.</translation>
    </message>
    <message>
        <source>Kavo follows the sun at your location. Without a location of your own it looks one up.</source>
        <translation>Kavo sigue al sol en tu ubicación. Si no indicas una, la averigua por sí mismo.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and needs to relaunch for them to take effect.</source>
        <translation>Kavo ha hecho cambios en tu sistema y necesita reiniciarse para que surtan efecto.</translation>
    </message>
    <message>
        <source>Kavo made some changes on your system and restart is needed for changes to take effect.</source>
        <translation>Kavo ha hecho cambios en tu sistema y hay que reiniciar el equipo para que surtan efecto.</translation>
    </message>
    <message>
        <source>Kavo takes care of your eyes: kinder colours at night and reminders to rest.</source>
        <translation>Kavo cuida tus ojos: colores más suaves por la noche y recordatorios para descansar.</translation>
    </message>
    <message>
        <source>Kavo&apos;s version, your system and desktop, and every setting. Click the text to copy it.</source>
        <translation>La versión de Kavo, tu sistema y escritorio, y toda la configuración. Haz clic en el texto para copiarlo.</translation>
    </message>
    <message>
        <source>Keep the night brightness all the time instead of following the sun.</source>
        <translation>Mantener siempre el brillo de noche en lugar de seguir al sol.</translation>
    </message>
    <message>
        <source>Keep the night value all the time instead of following the sun.</source>
        <translation>Mantener siempre el valor de noche en lugar de seguir al sol.</translation>
    </message>
    <message>
        <source>Keeps Kavo light while it waits in the background.</source>
        <translation>Mantiene Kavo ligero mientras espera en segundo plano.</translation>
    </message>
    <message>
        <source>Key presses count as presence: the break timer stops after about 20 minutes without them and starts again when you are back.</source>
        <translation>Las pulsaciones de teclas cuentan como presencia: el temporizador de descansos se detiene tras unos 20 minutos sin ellas y vuelve a arrancar cuando regresas.</translation>
    </message>
    <message>
        <source>Keyboard inactivity</source>
        <translation>Inactividad del teclado</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitud:</translation>
    </message>
    <message>
        <source>Leading Color</source>
        <translation>Color dominante</translation>
    </message>
    <message>
        <source>Let Kavo set the frequency above.</source>
        <translation>Dejar que Kavo aplique la frecuencia de arriba.</translation>
    </message>
    <message>
        <source>Let Kavo tell you when a new version is out.</source>
        <translation>Que Kavo te avise cuando salga una nueva versión.</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Linear Blue</source>
        <translation>Lineal azul</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Look for a new version when Kavo starts, and then regularly. Saved with the other settings.</source>
        <translation>Buscar una nueva versión al iniciar Kavo y después con regularidad. Se guarda con el resto de la configuración.</translation>
    </message>
    <message>
        <source>Look now</source>
        <translation>Comprobar ahora</translation>
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
        <translation>Administrar monitores</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Manual Brightness</source>
        <translation>Brillo manual</translation>
    </message>
    <message>
        <source>Manual blue light</source>
        <translation>Luz azul manual</translation>
    </message>
    <message>
        <source>Manual color settings</source>
        <translation>Colores manuales</translation>
    </message>
    <message>
        <source>Manual location</source>
        <translation>Ubicación manual</translation>
    </message>
    <message>
        <source>Manual night duration</source>
        <translation>Duración manual de la noche</translation>
    </message>
    <message>
        <source>Many screens dim their backlight by switching it on and off very fast (PWM). A higher frequency flickers less.</source>
        <translation>Muchas pantallas atenúan su retroiluminación encendiéndola y apagándola muy rápido (PWM). Una frecuencia más alta parpadea menos.</translation>
    </message>
    <message>
        <source>Max Frequency</source>
        <translation>Frecuencia máxima</translation>
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
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mouse inactivity</source>
        <translation>Inactividad del ratón</translation>
    </message>
    <message>
        <source>Mouse movement counts as presence: the break timer stops after about 20 minutes without it and starts again when you are back.</source>
        <translation>Mover el ratón cuenta como presencia: el temporizador de descansos se detiene tras unos 20 minutos sin movimiento y vuelve a arrancar cuando regresas.</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Película</translation>
    </message>
    <message>
        <source>Mutes or strengthens the colours of the whole screen.</source>
        <translation>Apaga o intensifica los colores de toda la pantalla.</translation>
    </message>
    <message>
        <source>Negative Grayclased Red</source>
        <translation>Escala de grises en rojo negativa</translation>
    </message>
    <message>
        <source>Negative Grayscale</source>
        <translation>Escala de grises negativa</translation>
    </message>
    <message>
        <source>Negative Sepia</source>
        <translation>Sepia negativo</translation>
    </message>
    <message>
        <source>New Moon offset:</source>
        <translation>Desfase de luna nueva:</translation>
    </message>
    <message>
        <source>News, help and the latest version.</source>
        <translation>Noticias, ayuda y la última versión.</translation>
    </message>
    <message>
        <source>Night Brightness</source>
        <translation>Brillo de noche</translation>
    </message>
    <message>
        <source>Night Light</source>
        <translation>Luz de noche</translation>
    </message>
    <message>
        <source>Night Temperature</source>
        <translation>Temperatura de noche</translation>
    </message>
    <message>
        <source>Night Transition:</source>
        <translation>Transición a la noche:</translation>
    </message>
    <message>
        <source>Night ends at:</source>
        <translation>La noche termina a las:</translation>
    </message>
    <message>
        <source>Night starts at:</source>
        <translation>La noche empieza a las:</translation>
    </message>
    <message>
        <source>No smoothing</source>
        <translation>Sin suavizado</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Noted in the transition times below; the sun schedule itself follows your system&apos;s time zone.</source>
        <translation>Se indica en las horas de transición de abajo; el horario solar sigue la zona horaria de tu sistema.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Olaf</source>
        <translation>Olaf</translation>
    </message>
    <message>
        <source>Old Photo</source>
        <translation>Foto antigua</translation>
    </message>
    <message>
        <source>Open or close</source>
        <translation>Abrir o cerrar</translation>
    </message>
    <message>
        <source>Open website</source>
        <translation>Abrir sitio web</translation>
    </message>
    <message>
        <source>Optimize UI Creation</source>
        <translation>Optimizar la creación de la interfaz</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Superposición</translation>
    </message>
    <message>
        <source>PWM Control</source>
        <translation>Control PWM</translation>
    </message>
    <message>
        <source>PWM Frequency</source>
        <translation>Frecuencia PWM</translation>
    </message>
    <message>
        <source>PWM control</source>
        <translation>Control PWM</translation>
    </message>
    <message>
        <source>Pause Transition:</source>
        <translation>Transición de pausa:</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Per Monitor Settings</source>
        <translation>Configuración por monitor</translation>
    </message>
    <message>
        <source>Preview 24 hours</source>
        <translation>Vista previa de 24 horas</translation>
    </message>
    <message>
        <source>Productive</source>
        <translation>Productivo</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Protanomaly</source>
        <translation>Protanomalía</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopía</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Relaunch is needed</source>
        <translation>Hay que reiniciar Kavo</translation>
    </message>
    <message>
        <source>Relaunch now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Restart is needed</source>
        <translation>Hay que reiniciar el equipo</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Revert colors</source>
        <translation>Restaurar colores</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Guardar y cerrar</translation>
    </message>
    <message>
        <source>Save changes when the window closes. Without it, closing the window brings back the saved settings.</source>
        <translation>Guardar los cambios al cerrar la ventana. Si no, al cerrarla se recupera la configuración guardada.</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Screen effect</source>
        <translation>Efecto de pantalla</translation>
    </message>
    <message>
        <source>Screen effects</source>
        <translation>Efectos de pantalla</translation>
    </message>
    <message>
        <source>Send usage statistics</source>
        <translation>Enviar estadísticas de uso</translation>
    </message>
    <message>
        <source>Sephia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Set the frequency again with every colour update, for screens that lose it.</source>
        <translation>Volver a aplicar la frecuencia en cada actualización de color, para pantallas que la pierden.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Ver cambios</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <source>Simple Inversion</source>
        <translation>Inversión simple</translation>
    </message>
    <message>
        <source>Simple view</source>
        <translation>Vista sencilla</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Sueño</translation>
    </message>
    <message>
        <source>Sleep Brightness</source>
        <translation>Brillo de sueño</translation>
    </message>
    <message>
        <source>Sleep Light</source>
        <translation>Luz de sueño</translation>
    </message>
    <message>
        <source>Sleep Transition:</source>
        <translation>Transición de sueño:</translation>
    </message>
    <message>
        <source>Smart Inversion 1</source>
        <translation>Inversión inteligente 1</translation>
    </message>
    <message>
        <source>Smart Inversion 2</source>
        <translation>Inversión inteligente 2</translation>
    </message>
    <message>
        <source>Smart Inversion 3</source>
        <translation>Inversión inteligente 3</translation>
    </message>
    <message>
        <source>Smart Inversion 4</source>
        <translation>Inversión inteligente 4</translation>
    </message>
    <message>
        <source>Smart Inversion 5</source>
        <translation>Inversión inteligente 5</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Start Kavo on startup</source>
        <translation>Iniciar Kavo al arrancar</translation>
    </message>
    <message>
        <source>Start Kavo when you log in.</source>
        <translation>Iniciar Kavo al iniciar sesión.</translation>
    </message>
    <message>
        <source>Start and end the night by the clock instead of by the sun.</source>
        <translation>Empezar y terminar la noche según el reloj en lugar del sol.</translation>
    </message>
    <message>
        <source>Steps back until the screen is at its normal size.</source>
        <translation>Retrocede paso a paso hasta que la pantalla vuelve a su tamaño normal.</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Estricto</translation>
    </message>
    <message>
        <source>Sunglasses</source>
        <translation>Gafas de sol</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Intercambiar colores</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The changes in this version of Kavo.</source>
        <translation>Los cambios de esta versión de Kavo.</translation>
    </message>
    <message>
        <source>The colour temperature of the screen by day and by night, and inverted colours.</source>
        <translation>La temperatura de color de la pantalla de día y de noche, y los colores invertidos.</translation>
    </message>
    <message>
        <source>The colour that stays strongest at warm temperatures.</source>
        <translation>El color que se mantiene más intenso con temperaturas cálidas.</translation>
    </message>
    <message>
        <source>The filter laid over the whole screen.</source>
        <translation>El filtro que se aplica sobre toda la pantalla.</translation>
    </message>
    <message>
        <source>The frequency Kavo sets while PWM Control is on. Ask your screen&apos;s maker which frequencies it supports.</source>
        <translation>La frecuencia que aplica Kavo mientras el control PWM está activado. Consulta al fabricante de tu pantalla qué frecuencias admite.</translation>
    </message>
    <message>
        <source>The highest frequency the slider offers, in hertz.</source>
        <translation>La frecuencia más alta que ofrece el control deslizante, en hercios.</translation>
    </message>
    <message>
        <source>The language of Kavo&apos;s windows, menus and messages.</source>
        <translation>El idioma de las ventanas, los menús y los mensajes de Kavo.</translation>
    </message>
    <message>
        <source>The moon moves the sun schedule: night and day begin earlier by an offset that goes from the new moon value to the full moon value as the moon fills.</source>
        <translation>La luna desplaza el horario solar: la noche y el día empiezan antes según un desfase que pasa del valor de luna nueva al de luna llena a medida que crece la luna.</translation>
    </message>
    <message>
        <source>The sleep period ends here.</source>
        <translation>Aquí termina el periodo de sueño.</translation>
    </message>
    <message>
        <source>The sleep period starts here.</source>
        <translation>Aquí empieza el periodo de sueño.</translation>
    </message>
    <message>
        <source>The table of colours Kavo follows from warm to cold.</source>
        <translation>La tabla de colores que sigue Kavo de cálido a frío.</translation>
    </message>
    <message>
        <source>This screen offers Kavo no PWM control: the companion program kavo_get_pwm_frequency is missing or reports no frequency.</source>
        <translation>Esta pantalla no ofrece control PWM a Kavo: falta el programa auxiliar kavo_get_pwm_frequency o no indica ninguna frecuencia.</translation>
    </message>
    <message>
        <source>This desktop offers Kavo no backlight: the screen&apos;s brightness stays as it is.</source>
        <translation>Este escritorio no ofrece a Kavo ninguna retroiluminación: el brillo de la pantalla se queda como está.</translation>
    </message>
    <message>
        <source>This desktop&apos;s night light shows only the colour temperature: colour schemes, the leading colour and screen effects need gamma ramps.</source>
        <translation>La luz nocturna de este escritorio solo muestra la temperatura de color: los esquemas de color, el color principal y los efectos de pantalla necesitan rampas gamma.</translation>
    </message>
    <message>
        <source>Time zone offset:</source>
        <translation>Desfase horario:</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>Tritanomaly</source>
        <translation>Tritanomalía</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopía</translation>
    </message>
    <message>
        <source>Turn the chosen filter on or off.</source>
        <translation>Activar o desactivar el filtro elegido.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Update continuously</source>
        <translation>Actualizar continuamente</translation>
    </message>
    <message>
        <source>Use Advanced Settings</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>Use Gamma Fixer</source>
        <translation>Usar el corrector de gamma</translation>
    </message>
    <message>
        <source>Use software mouse cursor</source>
        <translation>Usar cursor del ratón por software</translation>
    </message>
    <message>
        <source>Use the coordinates below instead of the looked-up location.</source>
        <translation>Usar las coordenadas de abajo en lugar de la ubicación averiguada.</translation>
    </message>
    <message>
        <source>Use the sleep colours between bedtime and wake time.</source>
        <translation>Usar los colores de sueño entre la hora de dormir y la de despertar.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Wake time:</source>
        <translation>Hora de despertar:</translation>
    </message>
    <message>
        <source>Warmer, dimmer colours for the hours before you go to bed.</source>
        <translation>Colores más cálidos y tenues para las horas antes de acostarte.</translation>
    </message>
    <message>
        <source>Washout 1</source>
        <translation>Desvaído 1</translation>
    </message>
    <message>
        <source>Washout 2</source>
        <translation>Desvaído 2</translation>
    </message>
    <message>
        <source>Washout 3</source>
        <translation>Desvaído 3</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>What is new</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>What to send with a request for help. Nothing leaves your computer unless you send it.</source>
        <translation>Qué enviar con una petición de ayuda. Nada sale de tu equipo a menos que lo envíes tú.</translation>
    </message>
    <message>
        <source>Where Kavo computes sunrise and sunset for.</source>
        <translation>El lugar para el que Kavo calcula la salida y la puesta del sol.</translation>
    </message>
    <message>
        <source>Where the desktop decides font smoothing itself, this choice has no effect.</source>
        <translation>Si el escritorio decide por sí mismo el suavizado de fuentes, esta opción no tiene efecto.</translation>
    </message>
    <message>
        <source>Which pages and windows you open, each time under a new random number, never your name or address. Only when this build of Kavo names a statistics address.</source>
        <translation>Qué páginas y ventanas abres, cada vez con un número aleatorio nuevo, nunca tu nombre ni tu dirección. Solo si esta compilación de Kavo indica una dirección de estadísticas.</translation>
    </message>
    <message>
        <source>Zoom In:</source>
        <translation>Acercar:</translation>
    </message>
    <message>
        <source>Zoom Out:</source>
        <translation>Alejar:</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zooms the whole screen around the mouse pointer.</source>
        <translation>Amplía toda la pantalla alrededor del puntero del ratón.</translation>
    </message>
    <message>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculta</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>per minute</source>
        <translation>por minuto</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>descanso</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>until</source>
        <translation>hasta el</translation>
    </message>
    <message>
        <source>week</source>
        <translation>semana</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>A minute of exercises, shown step by step in the corner of your screen.</source>
        <translation>Un minuto de ejercicios, mostrados paso a paso en una esquina de la pantalla.</translation>
    </message>
    <message>
        <source>A program in front gets colours of its own: a film brighter, a reader warmer.</source>
        <translation>El programa en primer plano recibe sus propios colores: más claros para una película, más cálidos para leer.</translation>
    </message>
    <message>
        <source>A short tone in the last seconds before a rest and before work.</source>
        <translation>Un tono breve en los últimos segundos antes de un descanso y antes de volver al trabajo.</translation>
    </message>
    <message>
        <source>A small window in the corner of the screen with the count and the camera picture.</source>
        <translation>Una pequeña ventana en una esquina de la pantalla con el recuento y la imagen de la cámara.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Artificial intelligence (AI)</source>
        <translation>Inteligencia artificial (IA)</translation>
    </message>
    <message>
        <source>Auto clicker</source>
        <translation>Clic automático</translation>
    </message>
    <message>
        <source>Auto close rest screen</source>
        <translation>Cerrar automáticamente la pantalla de descanso</translation>
    </message>
    <message>
        <source>Automatic brightness</source>
        <translation>Brillo automático</translation>
    </message>
    <message>
        <source>Back exercises</source>
        <translation>Ejercicios de espalda</translation>
    </message>
    <message>
        <source>Blink detection</source>
        <translation>Detección de parpadeo</translation>
    </message>
    <message>
        <source>Blink screen</source>
        <translation>Ventana de parpadeo</translation>
    </message>
    <message>
        <source>Break every</source>
        <translation>Descanso cada</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Descansos</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Clicking</source>
        <translation>Haciendo clic</translation>
    </message>
    <message>
        <source>Clicks the left mouse button where the pointer is, again and again.</source>
        <translation>Hace clic una y otra vez con el botón izquierdo del ratón donde está el puntero.</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Pausa de colores</translation>
    </message>
    <message>
        <source>Color triggers</source>
        <translation>Disparadores de color</translation>
    </message>
    <message>
        <source>Colour changes pause while one of these programs shows: for drawing, photos and films.</source>
        <translation>Los cambios de color se pausan mientras se ve alguno de estos programas: para dibujo, fotos y películas.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Continue when you are ready.</source>
        <translation>Continúa cuando quieras.</translation>
    </message>
    <message>
        <source>Count your blinks per minute. Staring at a screen, people blink less; the count reminds you.</source>
        <translation>Cuenta tus parpadeos por minuto. Al mirar fijamente una pantalla se parpadea menos; el recuento te lo recuerda.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+Shift+F10 resets every setting, Ctrl+Alt+Shift+F11 quits Kavo and Ctrl+Alt+Shift+F12 resets the colours, whatever the shortcuts above.</source>
        <translation>Ctrl+Alt+Shift+F10 restablece toda la configuración, Ctrl+Alt+Shift+F11 cierra Kavo y Ctrl+Alt+Shift+F12 restablece los colores, sean cuales sean los atajos de arriba.</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Bajar el brillo</translation>
    </message>
    <message>
        <source>Decrease temperature</source>
        <translation>Bajar la temperatura</translation>
    </message>
    <message>
        <source>Dim the screen a little while it shows bright content.</source>
        <translation>Atenuar un poco la pantalla mientras muestra contenido claro.</translation>
    </message>
    <message>
        <source>End screen overlay</source>
        <translation>Terminar la superposición</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Eye exercises</source>
        <translation>Ejercicios oculares</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Fullscreen apps</source>
        <translation>Aplicaciones a pantalla completa</translation>
    </message>
    <message>
        <source>Have a rest</source>
        <translation>Descansar</translation>
    </message>
    <message>
        <source>In front now</source>
        <translation>En primer plano</translation>
    </message>
    <message>
        <source>Incoming break</source>
        <translation>Descanso próximo</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Subir el brillo</translation>
    </message>
    <message>
        <source>Increase temperature</source>
        <translation>Subir la temperatura</translation>
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
        <translation>Invertir los colores mientras la pantalla muestra sobre todo contenido claro.</translation>
    </message>
    <message>
        <source>Kavo adjusts the screen to the room and to what it shows. Camera pictures and screenshots are measured and let go: they are never saved or sent anywhere.</source>
        <translation>Kavo ajusta la pantalla a la habitación y a lo que muestra. Las imágenes de la cámara y las capturas de pantalla se miden y se descartan: nunca se guardan ni se envían a ningún sitio.</translation>
    </message>
    <message>
        <source>Kavo listens to its shortcuts in every program.</source>
        <translation>Kavo responde a sus atajos en cualquier programa.</translation>
    </message>
    <message>
        <source>Kavo reminds you to rest your eyes: a short rest after every stretch of work.</source>
        <translation>Kavo te recuerda que descanses la vista: un breve descanso después de cada tramo de trabajo.</translation>
    </message>
    <message>
        <source>Kavo version</source>
        <translation>Versión de Kavo</translation>
    </message>
    <message>
        <source>Keep the screen as bright as the room around it.</source>
        <translation>Mantener la pantalla tan luminosa como la habitación que la rodea.</translation>
    </message>
    <message>
        <source>Key combinations that reach Kavo from every program.</source>
        <translation>Combinaciones de teclas que llegan a Kavo desde cualquier programa.</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Ligero</translation>
    </message>
    <message>
        <source>Lite is a plain dark veil with the time left. Simple and Standard are full pages; Standard adds the clock and an idea for your rest.</source>
        <translation>Ligero es un simple velo oscuro con el tiempo restante. Sencillo y Estándar son páginas completas; Estándar añade el reloj y una idea para tu descanso.</translation>
    </message>
    <message>
        <source>Look away from the screen and let your eyes relax.</source>
        <translation>Aparta la vista de la pantalla y deja que tus ojos se relajen.</translation>
    </message>
    <message>
        <source>Look far, roll and blink: eyes that focus on a screen all day need it most.</source>
        <translation>Mirar a lo lejos, girar los ojos y parpadear: los ojos que miran una pantalla todo el día son los que más lo necesitan.</translation>
    </message>
    <message>
        <source>Manual or automatic</source>
        <translation>Manual o automático</translation>
    </message>
    <message>
        <source>Match brightness to lighting</source>
        <translation>Ajustar el brillo a la iluminación</translation>
    </message>
    <message>
        <source>Milliseconds between two clicks, at least 10.</source>
        <translation>Milisegundos entre dos clics, como mínimo 10.</translation>
    </message>
    <message>
        <source>Minutes of work, then seconds of rest.</source>
        <translation>Minutos de trabajo y luego segundos de descanso.</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Pausa del cursor</translation>
    </message>
    <message>
        <source>Neck exercises</source>
        <translation>Ejercicios de cuello</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Normal rests can be skipped, strict ones cannot. Productive shows a small countdown instead of covering the screen.</source>
        <translation>Los descansos normales se pueden omitir, los estrictos no. Productivo muestra una pequeña cuenta atrás en lugar de cubrir la pantalla.</translation>
    </message>
    <message>
        <source>One program per line, named as it runs (vlc, kmplayer). Add fullscreen after a name to pause only while it fills the screen.</source>
        <translation>Un programa por línea, con su nombre de proceso (vlc, kmplayer). Añade fullscreen tras un nombre para pausar solo mientras ocupa toda la pantalla.</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, bsplayer).</source>
        <translation>Un programa por línea, con su nombre de proceso exacto (vlc, bsplayer).</translation>
    </message>
    <message>
        <source>One program per line, named exactly as it runs (vlc, kmplayer).</source>
        <translation>Un programa por línea, con su nombre de proceso exacto (vlc, kmplayer).</translation>
    </message>
    <message>
        <source>One program per line: name = temperature brightness, for example vlc = 6500 120. Temperature 0 to 10000 K, brightness 10 to 150 %.</source>
        <translation>Un programa por línea: nombre = temperatura brillo, por ejemplo vlc = 6500 120. Temperatura de 0 a 10000 K, brillo del 10 al 150 %.</translation>
    </message>
    <message>
        <source>Pause colour changes while a listed program shows.</source>
        <translation>Pausar los cambios de color mientras se ve un programa de la lista.</translation>
    </message>
    <message>
        <source>Pause colour changes while any program fills the screen.</source>
        <translation>Pausar los cambios de color mientras cualquier programa ocupa toda la pantalla.</translation>
    </message>
    <message>
        <source>Pause or resume Kavo</source>
        <translation>Pausar o reanudar Kavo</translation>
    </message>
    <message>
        <source>Pause or resume the timer</source>
        <translation>Pausar o reanudar el temporizador</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Postpone duration</source>
        <translation>Tiempo de aplazamiento</translation>
    </message>
    <message>
        <source>Press the new combination</source>
        <translation>Pulsa la nueva combinación</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Programs and colours</source>
        <translation>Programas y colores</translation>
    </message>
    <message>
        <source>Quit Kavo</source>
        <translation>Salir de Kavo</translation>
    </message>
    <message>
        <source>Rest screen</source>
        <translation>Pantalla de descanso</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Screen effects on or off</source>
        <translation>Activar o desactivar efectos de pantalla</translation>
    </message>
    <message>
        <source>Overlays</source>
        <translation>Superposiciones</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensores</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Slow turns and tilts for a neck that held one position too long.</source>
        <translation>Giros e inclinaciones lentos para un cuello que ha estado demasiado tiempo en la misma postura.</translation>
    </message>
    <message>
        <source>Smart brightness</source>
        <translation>Brillo inteligente</translation>
    </message>
    <message>
        <source>Smart inversion</source>
        <translation>Inversión inteligente</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start a break</source>
        <translation>Empezar un descanso</translation>
    </message>
    <message>
        <source>Start screen overlay</source>
        <translation>Iniciar la superposición</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop it here, from the tray menu or by quitting Kavo.</source>
        <translation>Detenlo aquí, desde el menú de la bandeja del sistema o saliendo de Kavo.</translation>
    </message>
    <message>
        <source>Stop the break timer while a listed program shows.</source>
        <translation>Detener el temporizador de descansos mientras se ve un programa de la lista.</translation>
    </message>
    <message>
        <source>Stop the break timer while any program fills the screen.</source>
        <translation>Detener el temporizador de descansos mientras cualquier programa ocupa toda la pantalla.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Stretches you can do standing beside your desk.</source>
        <translation>Estiramientos que puedes hacer de pie junto a tu mesa.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while a listed program shows.</source>
        <translation>Desactivar el cursor por software mientras se ve un programa de la lista.</translation>
    </message>
    <message>
        <source>Switch the software cursor off while any program fills the screen.</source>
        <translation>Desactivar el cursor por software mientras cualquier programa ocupa toda la pantalla.</translation>
    </message>
    <message>
        <source>Ten seconds before a rest Kavo offers to move it by this many minutes.</source>
        <translation>Diez segundos antes de un descanso, Kavo ofrece aplazarlo estos minutos.</translation>
    </message>
    <message>
        <source>The break timer stops while one of these programs shows: films, presentations, calls.</source>
        <translation>El temporizador de descansos se detiene mientras se ve alguno de estos programas: películas, presentaciones, llamadas.</translation>
    </message>
    <message>
        <source>The camera measures the room light and the brightness follows it, a little every second.</source>
        <translation>La cámara mide la luz de la habitación y el brillo la sigue, un poco cada segundo.</translation>
    </message>
    <message>
        <source>The program you are using, as the lists name it.</source>
        <translation>El programa que estás usando, con el nombre que usan las listas.</translation>
    </message>
    <message>
        <source>The rest is over</source>
        <translation>El descanso ha terminado</translation>
    </message>
    <message>
        <source>The software cursor goes while one of these programs shows: games draw their own.</source>
        <translation>El cursor por software desaparece mientras se ve alguno de estos programas: los juegos dibujan el suyo.</translation>
    </message>
    <message>
        <source>This is a strict rest: it ends by itself.</source>
        <translation>Es un descanso estricto: termina solo.</translation>
    </message>
    <message>
        <source>Time for a rest</source>
        <translation>Hora de descansar</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Pausa del temporizador</translation>
    </message>
    <message>
        <source>Timer type</source>
        <translation>Tipo de temporizador</translation>
    </message>
    <message>
        <source>Use sounds</source>
        <translation>Usar sonidos</translation>
    </message>
    <message>
        <source>Use the colours of the list while a listed program is in front.</source>
        <translation>Usar los colores de la lista mientras un programa de la lista está en primer plano.</translation>
    </message>
    <message>
        <source>Use the first camera for the room light and the blink count.</source>
        <translation>Usar la primera cámara para la luz de la habitación y el recuento de parpadeos.</translation>
    </message>
    <message>
        <source>What covers your monitors during a rest.</source>
        <translation>Lo que cubre tus monitores durante un descanso.</translation>
    </message>
    <message>
        <source>What the shortcut does.</source>
        <translation>Lo que hace el atajo.</translation>
    </message>
    <message>
        <source>When the rest is over, work starts at once. Without it the rest screen waits for you to continue.</source>
        <translation>Al acabar el descanso, el trabajo empieza enseguida. Si no, la pantalla de descanso espera a que continúes.</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>until rest</source>
        <translation>hasta el descanso</translation>
    </message>
    <message>
        <source>%b is enable or disable, %d a whole number, %f a number, %s a word. Click a spell to copy it into the input.</source>
        <translation>%b es enable o disable, %d un número entero, %f un número, %s una palabra. Haz clic en un hechizo para copiarlo en el campo de entrada.</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Click again to reset every setting</source>
        <translation>Haz clic de nuevo para restablecerlo todo</translation>
    </message>
    <message>
        <source>Enter your spell:</source>
        <translation>Escribe tu hechizo:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Hidden features</source>
        <translation>Funciones ocultas</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Move your settings to another computer, or keep a copy.</source>
        <translation>Lleva tu configuración a otro equipo o guarda una copia.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Settings exported</source>
        <translation>Configuración exportada</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Archivo de configuración</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Hechizos</translation>
    </message>
    <message>
        <source>Spells change settings that have no control on the pages. The same spells work from the command line: kavo &quot;type dark&quot;.</source>
        <translation>Los hechizos cambian opciones que no tienen control en las páginas. Los mismos hechizos funcionan desde la línea de comandos: kavo &quot;type dark&quot;.</translation>
    </message>
    <message>
        <source>A see-through coloured layer over the screen dims and tints it further than the colours alone; clicks go through it.</source>
        <translation>Una capa de color translúcida sobre la pantalla la oscurece y la tiñe más de lo que logran los colores solos; los clics la atraviesan.</translation>
    </message>
    <message>
        <source>Day Dim</source>
        <translation>Oscurecimiento de día</translation>
    </message>
    <message>
        <source>Day Opacity</source>
        <translation>Opacidad de día</translation>
    </message>
    <message>
        <source>How dark the surroundings are.</source>
        <translation>Cuánto se oscurece lo que rodea la zona clara.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is at night.</source>
        <translation>Cuánto más oscuro es el color de la capa de noche.</translation>
    </message>
    <message>
        <source>How much darker the layer&apos;s colour is by day.</source>
        <translation>Cuánto más oscuro es el color de la capa de día.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen at night.</source>
        <translation>Cuánto cubre la capa la pantalla de noche.</translation>
    </message>
    <message>
        <source>How much the layer covers the screen by day.</source>
        <translation>Cuánto cubre la capa la pantalla de día.</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Índigo</translation>
    </message>
    <message>
        <source>Keeps a bright spot on the screen and darkens what lies around it; clicks go through.</source>
        <translation>Mantiene una zona clara en la pantalla y oscurece lo que la rodea; los clics la atraviesan.</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limón</translation>
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
        <translation>Oscurecimiento de noche</translation>
    </message>
    <message>
        <source>Night Opacity</source>
        <translation>Opacidad de noche</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Overlay color</source>
        <translation>Color de la superposición</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Reset area</source>
        <translation>Restablecer zona</translation>
    </message>
    <message>
        <source>Scarlet</source>
        <translation>Escarlata</translation>
    </message>
    <message>
        <source>Screen overlay</source>
        <translation>Superposición de pantalla</translation>
    </message>
    <message>
        <source>Select an area, then drag over the screen: the area stays clear. Escape cancels.</source>
        <translation>Elige una zona y arrastra sobre la pantalla: esa zona queda despejada. Esc cancela.</translation>
    </message>
    <message>
        <source>Select area</source>
        <translation>Elegir zona</translation>
    </message>
    <message>
        <source>Show the layer.</source>
        <translation>Mostrar la capa.</translation>
    </message>
    <message>
        <source>Show the spot.</source>
        <translation>Mostrar la zona clara.</translation>
    </message>
    <message>
        <source>The colour of the layer.</source>
        <translation>El color de la capa.</translation>
    </message>
    <message>
        <source>The size of the bright spot.</source>
        <translation>El tamaño de la zona clara.</translation>
    </message>
    <message>
        <source>This desktop shows this effect while you are idle: after two quiet seconds a picture of the screen with the effect covers it, until you press a key or move the mouse.</source>
        <translation>Este escritorio muestra este efecto solo mientras estás inactivo: tras dos segundos sin actividad, una imagen de la pantalla con el efecto la cubre hasta que pulses una tecla o muevas el ratón.</translation>
    </message>
    <message>
        <source>This effect shows at once.</source>
        <translation>Este efecto se muestra al instante.</translation>
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
        <translation>La posición horizontal de la zona clara en la pantalla.</translation>
    </message>
    <message>
        <source>Where the spot sits down the screen.</source>
        <translation>La posición vertical de la zona clara en la pantalla.</translation>
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
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Settings imported</source>
        <translation>Configuración importada</translation>
    </message>
    <message>
        <source>Settings not imported</source>
        <translation>Configuración no importada</translation>
    </message>
    <message>
        <source>%1 conflicts with %2</source>
        <translation>%1 entra en conflicto con %2</translation>
    </message>
    <message>
        <source>%1 conflicts with %2 color changes and you may see some ON/OFF flicker of the colors.
%2 automatically closes such apps, but please uninstall one of the apps if you still have problems.</source>
        <translation>%1 entra en conflicto con los cambios de color de %2 y es posible que los colores parpadeen.
%2 cierra automáticamente esas aplicaciones, pero si los problemas continúan, desinstala una de las dos aplicaciones.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Remaining %1</source>
        <translation>Quedan %1</translation>
    </message>
    <message>
        <source>No camera found</source>
        <translation>No se encontró ninguna cámara</translation>
    </message>
    <message>
        <source>Object detectors not found</source>
        <translation>No se encontraron los detectores de objetos</translation>
    </message>
    <message>
        <source>Invalid spell</source>
        <translation>Hechizo no válido</translation>
    </message>
    <message>
        <source>The spell &quot;%1&quot; seems wrong. Check the syntax or try with some other hidden feature.
Use &quot;help&quot; to see the list of all hidden features :)</source>
        <translation>El hechizo «%1» parece incorrecto. Revisa la sintaxis o prueba otra función oculta.
Escribe «help» para ver la lista de todas las funciones ocultas :)</translation>
    </message>
    <message>
        <source>Hidden feature succeeded</source>
        <translation>Función oculta ejecutada</translation>
    </message>
    <message>
        <source>%1 succeeded</source>
        <translation>%1 se ejecutó correctamente</translation>
    </message>
    <message>
        <source>Invalid temperature</source>
        <translation>Temperatura no válida</translation>
    </message>
    <message>
        <source>%1 is invalid value for Color temperature. Use number between 0 and 10000.</source>
        <translation>%1 no es un valor válido para la temperatura de color. Usa un número entre 0 y 10000.</translation>
    </message>
    <message>
        <source>Temperature changed</source>
        <translation>Temperatura cambiada</translation>
    </message>
    <message>
        <source>Color temperature changed to %1K</source>
        <translation>Temperatura de color cambiada a %1K</translation>
    </message>
    <message>
        <source>Invalid brightness</source>
        <translation>Brillo no válido</translation>
    </message>
    <message>
        <source>%1 is invalid value for Brightness. Use number between 10 and 100.</source>
        <translation>%1 no es un valor válido para el brillo. Usa un número entre 10 y 100.</translation>
    </message>
    <message>
        <source>Brightness changed</source>
        <translation>Brillo cambiado</translation>
    </message>
    <message>
        <source>Brightness changed to %1%</source>
        <translation>Brillo cambiado a %1%</translation>
    </message>
    <message>
        <source>Invalid Night start time</source>
        <translation>Inicio de la noche no válido</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night start time. Use number between 0 and 24.</source>
        <translation>%1 no es un valor válido para el inicio de la noche. Usa un número entre 0 y 24.</translation>
    </message>
    <message>
        <source>Night start time changed</source>
        <translation>Inicio de la noche cambiado</translation>
    </message>
    <message>
        <source>Manual night start time changed to %1h</source>
        <translation>Inicio manual de la noche cambiado a %1h</translation>
    </message>
    <message>
        <source>Invalid Night end time</source>
        <translation>Fin de la noche no válido</translation>
    </message>
    <message>
        <source>%1 is invalid value for Night end time. Use number between 0 and 24.</source>
        <translation>%1 no es un valor válido para el fin de la noche. Usa un número entre 0 y 24.</translation>
    </message>
    <message>
        <source>Night end time changed</source>
        <translation>Fin de la noche cambiado</translation>
    </message>
    <message>
        <source>Manual night end time changed to %1h</source>
        <translation>Fin manual de la noche cambiado a %1h</translation>
    </message>
    <message>
        <source>Kavo is switching to %1 type</source>
        <translation>Kavo está cambiando al tipo %1</translation>
    </message>
    <message>
        <source>You will see the difference in your screen after a moment :)</source>
        <translation>En un momento verás la diferencia en la pantalla :)</translation>
    </message>
    <message>
        <source>Notifications enabled</source>
        <translation>Notificaciones activadas</translation>
    </message>
    <message>
        <source>Hidden features notifications are enabled. They are show so you will know when your spell is successful</source>
        <translation>Las notificaciones de las funciones ocultas están activadas. Te avisan cuando tu hechizo funciona</translation>
    </message>
    <message>
        <source>Notifications disabled</source>
        <translation>Notificaciones desactivadas</translation>
    </message>
    <message>
        <source>Hidden features notifications are disabled. This is the last notification that you will see</source>
        <translation>Las notificaciones de las funciones ocultas están desactivadas. Esta es la última notificación que verás</translation>
    </message>
    <message>
        <source>Gamma fixer enabled</source>
        <translation>Corrector de gamma activado</translation>
    </message>
    <message>
        <source>Gamma fixer is enabled. If notice slight color changing every second disable the Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini changes from time to time.</source>
        <translation>El corrector de gamma está activado. Si notas un ligero cambio de color cada segundo, vuelve a desactivarlo. El corrector de gamma se usa porque Windows ignora de vez en cuando los cambios de Kavo mini.</translation>
    </message>
    <message>
        <source>Gamma fixer disabled</source>
        <translation>Corrector de gamma desactivado</translation>
    </message>
    <message>
        <source>Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or click the Kavo mini icon several times. Both should force Kavo to change the screen colors.</source>
        <translation>El corrector de gamma está desactivado. Si la pantalla se vuelve brillante de repente, actívalo de nuevo o haz clic varias veces en el icono de Kavo mini. Cualquiera de las dos cosas debería obligar a Kavo a cambiar los colores de la pantalla.</translation>
    </message>
    <message>
        <source>Software cursor enabled</source>
        <translation>Cursor por software activado</translation>
    </message>
    <message>
        <source>Color changes will apply also on the cursor. If it starts to dissappear use disable software cursor to make it bright again.</source>
        <translation>Los cambios de color también se aplicarán al cursor. Si empieza a desaparecer, usa «disable software cursor» para que vuelva a verse claro.</translation>
    </message>
    <message>
        <source>Hardware cursor enabled</source>
        <translation>Cursor por hardware activado</translation>
    </message>
    <message>
        <source>Color changes will not apply on the cursor. If you don&apos;t like the bright blue cursor at night use enable software cursor to make apply color changes on the cursor.</source>
        <translation>Los cambios de color no se aplicarán al cursor. Si no te gusta el cursor azul brillante por la noche, usa «enable software cursor» para aplicarle los cambios de color.</translation>
    </message>
    <message>
        <source>Conflicting applications enabled</source>
        <translation>Aplicaciones en conflicto permitidas</translation>
    </message>
    <message>
        <source>Conflicting applications are enabled. You can now use other softwares which change the screen colors.</source>
        <translation>Las aplicaciones en conflicto están permitidas. Ahora puedes usar otros programas que cambian los colores de la pantalla.</translation>
    </message>
    <message>
        <source>Conflicting applications disabled</source>
        <translation>Aplicaciones en conflicto bloqueadas</translation>
    </message>
    <message>
        <source>Conflicting applications are disabled. In order to not cause flicker conflicting applications are disabled.</source>
        <translation>Las aplicaciones en conflicto están bloqueadas para evitar parpadeos.</translation>
    </message>
    <message>
        <source>Monitor %1 disabled</source>
        <translation>Monitor %1 desactivado</translation>
    </message>
    <message>
        <source>Kavo will not apply color changes to Monitor %1</source>
        <translation>Kavo no cambiará los colores del monitor %1</translation>
    </message>
    <message>
        <source>Monitor %1 enabled</source>
        <translation>Monitor %1 activado</translation>
    </message>
    <message>
        <source>Kavo will apply color changes to Monitor %1</source>
        <translation>Kavo cambiará los colores del monitor %1</translation>
    </message>
    <message>
        <source>Color range is already expanded</source>
        <translation>El rango de colores ya está ampliado</translation>
    </message>
    <message>
        <source>Color range is already expanded. If you have problems with lower values try to Restart your PC. If the problem persist write to us with info about your PC to test and fix this.</source>
        <translation>El rango de colores ya está ampliado. Si tienes problemas con valores más bajos, reinicia el PC. Si el problema continúa, escríbenos con información sobre tu PC para que podamos probarlo y corregirlo.</translation>
    </message>
    <message>
        <source>Expand color range Failed</source>
        <translation>No se pudo ampliar el rango de colores</translation>
    </message>
    <message>
        <source>Expand color range Failed you need Admin permission to execute this</source>
        <translation>No se pudo ampliar el rango de colores: se necesitan permisos de administrador</translation>
    </message>
    <message>
        <source>No uninstaller in the App folder</source>
        <translation>No hay desinstalador en la carpeta de la aplicación</translation>
    </message>
    <message>
        <source>There is not uninstaller in &quot;%1&quot;
 You can quit %2 and delete the folder by hand</source>
        <translation>No hay ningún desinstalador en «%1».
 Puedes cerrar %2 y borrar la carpeta a mano</translation>
    </message>
    <message>
        <source>Gamma preservation enabled</source>
        <translation>Conservación del gamma activada</translation>
    </message>
    <message>
        <source>Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day</source>
        <translation>A partir de ahora Kavo respetará tu calibración de color. Cierra Kavo mini y vuelve a abrirlo para que conserve tus colores durante el día</translation>
    </message>
    <message>
        <source>Gamma preservation disabled</source>
        <translation>Conservación del gamma desactivada</translation>
    </message>
    <message>
        <source>Kavo will not respect your color calibration from now on. It will use the default monitor settings instead</source>
        <translation>A partir de ahora Kavo no respetará tu calibración de color. En su lugar usará la configuración predeterminada del monitor</translation>
    </message>
    <message>
        <source>Start at startup enabled</source>
        <translation>Inicio automático activado</translation>
    </message>
    <message>
        <source>Kavo mini will start when you turn ON your computer</source>
        <translation>Kavo mini se iniciará al encender el ordenador</translation>
    </message>
    <message>
        <source>Start at startup disabled</source>
        <translation>Inicio automático desactivado</translation>
    </message>
    <message>
        <source>Kavo mini will not start when you turn ON your computer</source>
        <translation>Kavo mini no se iniciará al encender el ordenador</translation>
    </message>
    <message>
        <source>Tray icon rotation is enabled</source>
        <translation>Giro del icono de la bandeja activado</translation>
    </message>
    <message>
        <source>The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>El icono de la bandeja del sistema girará mientras Kavo cambia los colores de la pantalla. Así se ve cuándo Kavo mini está cambiando los colores y la pantalla no está calibrada</translation>
    </message>
    <message>
        <source>Tray icon rotation is disabled</source>
        <translation>Giro del icono de la bandeja desactivado</translation>
    </message>
    <message>
        <source>The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated</source>
        <translation>El icono de la bandeja del sistema no girará mientras Kavo cambia los colores de la pantalla. Esta función sirve para mostrar cuándo Kavo mini está cambiando los colores y la pantalla no está calibrada</translation>
    </message>
    <message>
        <source>Reset colors</source>
        <translation>Restablecer colores</translation>
    </message>
    <message>
        <source>Screen colors are reset to default values</source>
        <translation>Los colores de la pantalla se han restablecido a los valores predeterminados</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Restablecer configuración</translation>
    </message>
    <message>
        <source>Kavo settings are reset to default values</source>
        <translation>La configuración de Kavo se ha restablecido a los valores predeterminados</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled</source>
        <translation>Hook de teclado activado</translation>
    </message>
    <message>
        <source>Keyboard Hook enabled. You can now use system-wide shortcuts.</source>
        <translation>Hook de teclado activado. Ahora puedes usar atajos en todo el sistema.</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled</source>
        <translation>Hook de teclado desactivado</translation>
    </message>
    <message>
        <source>Keyboard Hook disabled. Some shortcuts and features may not work as intended</source>
        <translation>Hook de teclado desactivado. Es posible que algunos atajos y funciones no funcionen como deberían</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled</source>
        <translation>Atajos de teclado activados</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts enabled. You can now use Kavo shortcuts.</source>
        <translation>Atajos de teclado activados. Ahora puedes usar los atajos de Kavo.</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled</source>
        <translation>Atajos de teclado desactivados</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts disabled. Kavo shortcuts will not work</source>
        <translation>Atajos de teclado desactivados. Los atajos de Kavo no funcionarán</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled</source>
        <translation>Atajos de emergencia activados</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.</source>
        <translation>Atajos de emergencia activados. Ahora puedes usar los atajos de emergencia de Kavo.</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled</source>
        <translation>Atajos de emergencia desactivados</translation>
    </message>
    <message>
        <source>Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work</source>
        <translation>Atajos de emergencia desactivados. Los atajos de emergencia de Kavo no funcionarán</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled</source>
        <translation>Todos los atajos de teclado y hooks activados</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.</source>
        <translation>Todos los atajos de teclado y hooks activados. Ahora puedes usar los atajos de todo el sistema, los de Kavo y los de emergencia.</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled</source>
        <translation>Todos los atajos de teclado y hooks desactivados</translation>
    </message>
    <message>
        <source>All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work</source>
        <translation>Todos los atajos de teclado y hooks desactivados. Los atajos de todo el sistema, los de Kavo y los de emergencia no funcionarán</translation>
    </message>
    <message>
        <source>Manual temperature enabled</source>
        <translation>Temperatura manual activada</translation>
    </message>
    <message>
        <source>You are now using Kavo Mixed mode</source>
        <translation>Ahora usas el modo mixto de Kavo</translation>
    </message>
    <message>
        <source>Manual temperature disabled</source>
        <translation>Temperatura manual desactivada</translation>
    </message>
    <message>
        <source>Kavo will use your selected mode for temperature again</source>
        <translation>Kavo volverá a usar el modo que elegiste para la temperatura</translation>
    </message>
    <message>
        <source>Manual brightness enabled</source>
        <translation>Brillo manual activado</translation>
    </message>
    <message>
        <source>You are now using Kavo mini Mixed mode</source>
        <translation>Ahora usas el modo mixto de Kavo mini</translation>
    </message>
    <message>
        <source>Manual brightness disabled</source>
        <translation>Brillo manual desactivado</translation>
    </message>
    <message>
        <source>Kavo mini will use your selected mode for brightness again</source>
        <translation>Kavo mini volverá a usar el modo que elegiste para el brillo</translation>
    </message>
    <message>
        <source>Zero blue light</source>
        <translation>Sin luz azul</translation>
    </message>
    <message>
        <source>All blue light is removed from the screen</source>
        <translation>Se elimina toda la luz azul de la pantalla</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Colors are inverted</source>
        <translation>Los colores están invertidos</translation>
    </message>
    <message>
        <source>Manual location enabled</source>
        <translation>Ubicación manual activada</translation>
    </message>
    <message>
        <source>Kavo mini will use your manual location. Set latitude and longitude with the hidden features</source>
        <translation>Kavo mini usará tu ubicación manual. Indica la latitud y la longitud con las funciones ocultas</translation>
    </message>
    <message>
        <source>Manual location disabled</source>
        <translation>Ubicación manual desactivada</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini usará la ubicación automática. La ubicación sirve para calcular la posición del sol y la duración del día y de la noche</translation>
    </message>
    <message>
        <source>Latitude changed</source>
        <translation>Latitud cambiada</translation>
    </message>
    <message>
        <source>Latitude changed to %1°</source>
        <translation>Latitud cambiada a %1°</translation>
    </message>
    <message>
        <source>Longitude changed</source>
        <translation>Longitud cambiada</translation>
    </message>
    <message>
        <source>Longitude changed to %1°</source>
        <translation>Longitud cambiada a %1°</translation>
    </message>
    <message>
        <source>Manual night duration enabled</source>
        <translation>Duración manual de la noche activada</translation>
    </message>
    <message>
        <source>Kavo mini will use manual night duration. Set start and end time with the hidden features</source>
        <translation>Kavo mini usará la duración manual de la noche. Indica el inicio y el fin con las funciones ocultas</translation>
    </message>
    <message>
        <source>Manual night duration disabled</source>
        <translation>Duración manual de la noche desactivada</translation>
    </message>
    <message>
        <source>Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration</source>
        <translation>Kavo mini calculará la duración de la noche según tu ubicación. La ubicación sirve para calcular la posición del sol y la duración del día y de la noche</translation>
    </message>
    <message>
        <source>No File selected for Export</source>
        <translation>No se ha elegido ningún archivo para exportar</translation>
    </message>
    <message>
        <source>Failed to write file for Export: %1</source>
        <translation>No se pudo escribir el archivo de exportación: %1</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Configuración exportada a %1</translation>
    </message>
    <message>
        <source>No File selected for Import</source>
        <translation>No se ha elegido ningún archivo para importar</translation>
    </message>
    <message>
        <source>Failed to open file for Import</source>
        <translation>No se pudo abrir el archivo de importación</translation>
    </message>
    <message>
        <source>File too large for Import (over 1 MiB): %1</source>
        <translation>Archivo demasiado grande para importar (más de 1 MiB): %1</translation>
    </message>
    <message>
        <source>Settings too large for Import (over 1 MiB)</source>
        <translation>Configuración demasiado grande para importar (más de 1 MiB)</translation>
    </message>
    <message>
        <source>Not a Kavo settings file: it does not start with the &quot;#Created by&quot; header</source>
        <translation>No es un archivo de configuración de Kavo: no empieza con la cabecera «#Created by»</translation>
    </message>
    <message>
        <source>No settings to import: the file holds no setting Kavo knows</source>
        <translation>Nada que importar: el archivo no contiene ninguna opción que Kavo conozca</translation>
    </message>
    <message>
        <source>Settings not writable: the import was not saved</source>
        <translation>No se puede escribir la configuración: la importación no se guardó</translation>
    </message>
    <message>
        <source>%1 settings imported</source>
        <translation>%1 opciones importadas</translation>
    </message>
    <message>
        <source>, %1 unknown keys ignored</source>
        <translation>, %1 claves desconocidas ignoradas</translation>
    </message>
    <message>
        <source>, %1 invalid lines skipped</source>
        <translation>, %1 líneas no válidas omitidas</translation>
    </message>
    <message>
        <source>%1 until work</source>
        <translation>%1 hasta volver al trabajo</translation>
    </message>
    <message>
        <source>%1 until rest</source>
        <translation>%1 hasta el descanso</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in %2 minutes.</source>
        <translation>%1 te recuerda que dentro de %2 minutos empieza un descanso largo.</translation>
    </message>
    <message>
        <source>%1 reminds you that a big rest will occur in 30 seconds.</source>
        <translation>%1 te recuerda que dentro de 30 segundos empieza un descanso largo.</translation>
    </message>
    <message>
        <source>Big rest incoming</source>
        <translation>Descanso largo próximo</translation>
    </message>
    <message>
        <source>work</source>
        <translation>trabajo</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Back to work</source>
        <translation>Vuelta al trabajo</translation>
    </message>
    <message>
        <source>Bend forward and let your arms hang loose.</source>
        <translation>Inclínate hacia delante y deja los brazos colgando sueltos.</translation>
    </message>
    <message>
        <source>Blink often: screens make us forget to.</source>
        <translation>Parpadea a menudo: frente a la pantalla se nos olvida.</translation>
    </message>
    <message>
        <source>Blink quickly for a few seconds, then close your eyes.</source>
        <translation>Parpadea rápido durante unos segundos y luego cierra los ojos.</translation>
    </message>
    <message>
        <source>Break is coming in %1</source>
        <translation>Descanso en %1</translation>
    </message>
    <message>
        <source>Bring your chin to your chest and lift it back slowly.</source>
        <translation>Lleva la barbilla al pecho y vuelve a subirla despacio.</translation>
    </message>
    <message>
        <source>Close your eyes and breathe slowly.</source>
        <translation>Cierra los ojos y respira despacio.</translation>
    </message>
    <message>
        <source>Drink a glass of water.</source>
        <translation>Bebe un vaso de agua.</translation>
    </message>
    <message>
        <source>Esc keeps the shortcut, Backspace removes it.</source>
        <translation>Esc conserva el atajo, Backspace lo elimina.</translation>
    </message>
    <message>
        <source>Hide the camera picture</source>
        <translation>Ocultar la imagen de la cámara</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Meta with this key.</source>
        <translation>Mantén pulsada Ctrl, Alt o Meta con esta tecla.</translation>
    </message>
    <message>
        <source>Kavo cannot use this key in a shortcut.</source>
        <translation>Kavo no puede usar esta tecla en un atajo.</translation>
    </message>
    <message>
        <source>Look at something at least six metres away.</source>
        <translation>Mira algo que esté al menos a seis metros.</translation>
    </message>
    <message>
        <source>Look at something far away, out of a window if you can.</source>
        <translation>Mira algo lejano, por una ventana si puedes.</translation>
    </message>
    <message>
        <source>Look up, down, left and right, holding each for a breath.</source>
        <translation>Mira arriba, abajo, a la izquierda y a la derecha, y mantén cada posición durante una respiración.</translation>
    </message>
    <message>
        <source>Monitor %1</source>
        <translation>Monitor %1</translation>
    </message>
    <message>
        <source>Put your hands on your hips and lean back gently.</source>
        <translation>Pon las manos en las caderas e inclínate suavemente hacia atrás.</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Roll your shoulders back a few times.</source>
        <translation>Gira los hombros hacia atrás unas cuantas veces.</translation>
    </message>
    <message>
        <source>Roll your shoulders back five times.</source>
        <translation>Gira los hombros hacia atrás cinco veces.</translation>
    </message>
    <message>
        <source>Show the camera picture</source>
        <translation>Mostrar la imagen de la cámara</translation>
    </message>
    <message>
        <source>Slowly roll your eyes in a circle, then the other way.</source>
        <translation>Gira los ojos despacio en círculo y luego en el otro sentido.</translation>
    </message>
    <message>
        <source>Stand up and reach both arms above your head.</source>
        <translation>Ponte de pie y alarga los dos brazos por encima de la cabeza.</translation>
    </message>
    <message>
        <source>Stand up and stretch your arms above your head.</source>
        <translation>Ponte de pie y estira los brazos por encima de la cabeza.</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Paso %1 / %2</translation>
    </message>
    <message>
        <source>The camera is off</source>
        <translation>La cámara está apagada</translation>
    </message>
    <message>
        <source>Tilt your ear toward your shoulder on each side.</source>
        <translation>Inclina la cabeza acercando la oreja al hombro, a cada lado.</translation>
    </message>
    <message>
        <source>Turn your head slowly to the left and hold, then to the right.</source>
        <translation>Gira la cabeza despacio a la izquierda y mantén la posición; luego, a la derecha.</translation>
    </message>
    <message>
        <source>Twist your upper body slowly to each side.</source>
        <translation>Gira despacio el tronco hacia cada lado.</translation>
    </message>
    <message>
        <source>blink detection is off</source>
        <translation>detección de parpadeo desactivada</translation>
    </message>
    <message>
        <source>until work</source>
        <translation>hasta volver al trabajo</translation>
    </message>
    <message>
        <source>Kavo Settings File (*.kavo_settings *.kavo)</source>
        <translation>Archivo de configuración de Kavo (*.kavo_settings *.kavo)</translation>
    </message>
    <message>
        <source>Save File...</source>
        <translation>Guardar archivo…</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Abrir archivo…</translation>
    </message>
    <message>
        <source>This window cannot be shown: Kavo&apos;s web part is missing.</source>
        <translation>No se puede mostrar esta ventana: falta el componente web de Kavo.</translation>
    </message>
    <message>
        <source>Camera features are missing</source>
        <translation>Faltan las funciones de la cámara</translation>
    </message>
    <message>
        <source>Settings cannot be saved</source>
        <translation>No se pueden guardar los ajustes</translation>
    </message>
    <message>
        <source>Wayland lets no program click for the user: the auto clicker is not available.</source>
        <translation>Wayland no deja que ningún programa haga clic por usted: el clic automático no está disponible.</translation>
    </message>
    <message>
        <source>Wayland lets no program draw the mouse cursor: the software cursor is not available.</source>
        <translation>Wayland no deja que ningún programa dibuje el cursor del ratón: el cursor por software no está disponible.</translation>
    </message>
    <message>
        <source>Wayland gives ordinary programs no picture of the screen: effects that work on a picture while you are idle are not available.</source>
        <translation>Wayland no da a los programas corrientes ninguna imagen de la pantalla: los efectos que trabajan sobre una imagen mientras está inactivo no están disponibles.</translation>
    </message>
    <message>
        <source>GNOME tells no program which window is in front (that needs a Shell extension): pausers and triggers cannot see programs.</source>
        <translation>GNOME no dice a ningún programa qué ventana está delante (para eso hace falta una extensión de Shell): las pausas y los disparadores no pueden ver los programas.</translation>
    </message>
    <message>
        <source>This compositor tells no program which window is in front: pausers and triggers cannot see programs.</source>
        <translation>Este compositor no dice a ningún programa qué ventana está delante: las pausas y los disparadores no pueden ver los programas.</translation>
    </message>
    <message>
        <source>This desktop does not say when you are idle: inactivity does not stop the timer.</source>
        <translation>Este escritorio no indica cuándo está inactivo: la inactividad no detiene el temporizador.</translation>
    </message>
    <message>
        <source>This desktop keeps keys to itself: bind each shortcut in the compositor&apos;s configuration, for example in sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; or in Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help lists the actions).</source>
        <translation>Este escritorio se guarda las teclas para sí: asigne cada atajo en la configuración del compositor, por ejemplo en sway &quot;bindsym Ctrl+Alt+End exec kavoctl shortcut pause-resume&quot; o en Hyprland &quot;bind = CTRL ALT, End, exec, kavoctl shortcut pause-resume&quot; (kavoctl --help enumera las acciones).</translation>
    </message>
    <message>
        <source>This desktop lets no window lie over everything: the overlay&apos;s colour goes through the screen&apos;s colours, and the lightness spot is not shown.</source>
        <translation>Este escritorio no deja que ninguna ventana quede por encima de todo: el color de la superposición pasa por los colores de la pantalla y el foco de luz no se muestra.</translation>
    </message>
    <message>
        <source>This desktop lets no program take the keyboard: strict breaks cannot keep other programs from keys.</source>
        <translation>Este escritorio no deja que ningún programa tome el teclado: los descansos estrictos no pueden impedir que otros programas reciban las teclas.</translation>
    </message>
    <message>
        <source>This desktop has no tray (no StatusNotifierWatcher): start Kavo again to open its window.</source>
        <translation>Este escritorio no tiene bandeja (no hay StatusNotifierWatcher): inicie Kavo de nuevo para abrir su ventana.</translation>
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
        <translation>&amp;Salud</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>S&amp;ueño</translation>
    </message>
    <message>
        <source>&amp;Gaming</source>
        <translation>&amp;Juegos</translation>
    </message>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Lectura</translation>
    </message>
    <message>
        <source>&amp;Programming</source>
        <translation>P&amp;rogramación</translation>
    </message>
    <message>
        <source>&amp;Biohacker</source>
        <translation>&amp;Biohacker</translation>
    </message>
    <message>
        <source>&amp;Sunglasses</source>
        <translation>&amp;Gafas de sol</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Oscuro</translation>
    </message>
    <message>
        <source>&amp;Movie</source>
        <translation>Pelí&amp;cula</translation>
    </message>
    <message>
        <source>&amp;Overlay</source>
        <translation>Sup&amp;erposición</translation>
    </message>
    <message>
        <source>Color pausers</source>
        <translation>Pausa de colores</translation>
    </message>
    <message>
        <source>Timer pausers</source>
        <translation>Pausa del temporizador</translation>
    </message>
    <message>
        <source>Mouse pausers</source>
        <translation>Pausa del cursor</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>&amp;Change mode</source>
        <translation>&amp;Cambiar modo</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automático</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Paused</source>
        <translation>&amp;En pausa</translation>
    </message>
    <message>
        <source>Stop auto clicker</source>
        <translation>Detener el clic automático</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>message_box</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
