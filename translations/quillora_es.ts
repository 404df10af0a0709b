<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MainWindow</name>
    <message>
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Test number: 0/10</source>
        <translation>Palabra: 0/10</translation>
    </message>
    <message>
        <source>Wrong: 0</source>
        <translation>Mal: 0</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Bien: 0</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Type text and press enter</source>
        <translation>Escribe el texto y pulsa Enter</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Open the help page (F1)</source>
        <translation>Abrir la página de ayuda (F1)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Quillora</source>
        <translation>Acerca de Quillora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Start a test (F5)</source>
        <translation>Empezar un dictado (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Progress: your score over time, the words to practise and your slips (F7)</source>
        <translation>Progreso: la evolución de tu puntuación, las palabras que practicar y tus fallos (F7)</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Practise my mistakes</source>
        <translation>Repasar mis errores</translation>
    </message>
    <message>
        <source>Practise my mistakes: only the words that are due (F6)</source>
        <translation>Repasar mis errores: solo las palabras que toca repasar (F6)</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Diccionarios</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Check for a newer version</source>
        <translation>Buscar una versión más reciente</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Test number: %1/%2</source>
        <translation>Palabra: %1/%2</translation>
    </message>
    <message>
        <source>Play the word again (Ctrl+Space), or slowly (Ctrl+Shift+Space, or right-click)</source>
        <translation>Volver a oír la palabra (Ctrl+Space), o más despacio (Ctrl+Shift+Space, o clic derecho)</translation>
    </message>
    <message>
        <source>Type the word and press Enter. Ctrl+Space plays it again, Ctrl+Shift+Space slowly; Ctrl+H gives the next letter, and the answer then counts as wrong</source>
        <translation>Escribe la palabra y pulsa Enter. Ctrl+Space la repite, Ctrl+Shift+Space más despacio; Ctrl+H te da la letra siguiente, y entonces la respuesta cuenta como mal</translation>
    </message>
    <message>
        <source>Play slowly</source>
        <translation>Oír más despacio</translation>
    </message>
    <message>
        <source>The word history could not be read, so a new one was started. The old file was kept as %1.</source>
        <translation>No se pudo leer el historial de palabras, así que se empezó uno nuevo. El archivo antiguo se guardó como %1.</translation>
    </message>
    <message>
        <source>The word history could not be opened: words are not remembered between tests.</source>
        <translation>No se pudo abrir el historial de palabras: las palabras no se recordarán entre un dictado y otro.</translation>
    </message>
    <message>
        <source>Reading stored tests into the word history: %1 of %2</source>
        <translation>Pasando los dictados guardados al historial de palabras: %1 de %2</translation>
    </message>
    <message>
        <source>This recording could not be played. Type the word, or press enter to go on</source>
        <translation>No se pudo reproducir esta grabación. Escribe la palabra o pulsa Enter para seguir</translation>
    </message>
    <message>
        <source>Stop the test (F5)</source>
        <translation>Detener el dictado (F5)</translation>
    </message>
    <message>
        <source>You have to add at least one dictionary.</source>
        <translation>Tienes que agregar al menos un diccionario.</translation>
    </message>
    <message>
        <source>You have to select at least one dictionary.</source>
        <translation>Tienes que marcar al menos un diccionario.</translation>
    </message>
    <message>
        <source>The selected dictionaries hold no recordings.</source>
        <translation>Los diccionarios marcados no tienen grabaciones.</translation>
    </message>
    <message>
        <source>No word is due for practice: there are no mistakes to practise.</source>
        <translation>No hay palabras pendientes de repaso: no tienes errores que practicar.</translation>
    </message>
    <message>
        <source>None of these words has a recording in the selected dictionaries.</source>
        <translation>Ninguna de estas palabras tiene grabación en los diccionarios marcados.</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Bien: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Mal: %1</translation>
    </message>
    <message>
        <source>Press enter to continue</source>
        <translation>Pulsa Enter para continuar</translation>
    </message>
    <message>
        <source>Finish&lt;br /&gt; Score: %1 / %2</source>
        <extracomment>The last line of a test: the counts of right and wrong answers.</extracomment>
        <translation>Fin&lt;br /&gt; Puntuación: %1 / %2</translation>
    </message>
    <message>
        <source>Finish. Score: %1 right, %2 wrong.</source>
        <translation>Fin. Puntuación: %1 bien, %2 mal.</translation>
    </message>
    <message>
        <source>With a hint the answer counts as wrong. Type the rest and press enter</source>
        <translation>Con pista, la respuesta cuenta como mal. Escribe el resto y pulsa Enter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>%1. %2. Correct: %3, wrong: %4.</source>
        <extracomment>Read out to a screen reader after each answer: the verdict, the word spelt out, then the counts.</extracomment>
        <translation>%1. %2. Bien: %3; mal: %4.</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Change the test length, the update check and the tips (Ctrl+,)</source>
        <translation>Cambiar la longitud del dictado, la búsqueda de actualizaciones y los consejos (Ctrl+,)</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>Choose the dictionaries a test draws from (Ctrl+D)</source>
        <translation>Elegir de qué diccionarios salen las palabras del dictado (Ctrl+D)</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Look back at your stored tests (Ctrl+R)</source>
        <translation>Revisar tus dictados guardados (Ctrl+R)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <comment>the verdict, with the word</comment>
        <translation>Incorrecto: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, es), which the report&apos;s HTML names as its language</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>Tested: %1</source>
        <extracomment>Heading of a stored test&apos;s report; %1 is its date and time</extracomment>
        <translation>Dictado del %1</translation>
    </message>
    <message>
        <source>Correct: %1 / Wrong: %2 / Success rate: %3 %</source>
        <extracomment>Under the heading; %1 and %2 are counts of answers, %3 a percentage</extracomment>
        <translation>Bien: %1 / Mal: %2 / Aciertos: %3&#xa0;%</translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>Column heading: the word asked</extracomment>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Column heading: whether the answer was right or wrong</extracomment>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, as the axis, the tooltips and the summary show it</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Score over time</source>
        <translation>Evolución de la puntuación</translation>
    </message>
    <message>
        <source>No stored tests yet.</source>
        <translation>Todavía no hay dictados guardados.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests. The last scored %1, the average of the last 10 is %2.</source>
        <translation>
            <numerusform>%n dictado. El último obtuvo %1; la media de los 10 últimos es %2.</numerusform>
            <numerusform>%n dictados. El último obtuvo %1; la media de los 10 últimos es %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Length: 1 word</source>
        <translation>Longitud: 1 palabra</translation>
    </message>
    <message>
        <source>Length: %1 words</source>
        <translation>Longitud: %1 palabras</translation>
    </message>
    <message>
        <source>%1
%2 of %3 right (%4)
%5</source>
        <translation>%1
%2 de %3 bien (%4)
%5</translation>
    </message>
    <message>
        <source>Nothing to draw yet: the chart needs two stored tests.</source>
        <translation>Todavía no hay nada que dibujar: el gráfico necesita dos dictados guardados.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Average of the last 10</source>
        <translation>Media de los 10 últimos</translation>
    </message>
</context>
<context>
    <name>SlipKind</name>
    <message>
        <source>One letter for two, or two for one</source>
        <translation>Una letra por dos, o dos por una</translation>
    </message>
    <message>
        <source>Two letters the wrong way round</source>
        <translation>Dos letras cambiadas de orden</translation>
    </message>
    <message>
        <source>One vowel for another</source>
        <translation>Una vocal por otra</translation>
    </message>
    <message>
        <source>A letter left out</source>
        <translation>Falta una letra</translation>
    </message>
    <message>
        <source>A letter too many</source>
        <translation>Sobra una letra</translation>
    </message>
    <message>
        <source>A wrong ending</source>
        <translation>Final equivocado</translation>
    </message>
    <message>
        <source>Other letters wrong, or another word</source>
        <translation>Otras letras mal, u otra palabra</translation>
    </message>
</context>
<context>
    <name>TestRun</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK, with a hint</source>
        <translation>OK, con pista</translation>
    </message>
    <message>
        <source> (with a hint)</source>
        <translation> (con pista)</translation>
    </message>
</context>
<context>
    <name>dictionarybuilder</name>
    <message>
        <source>cannot name the recording %1: %2</source>
        <translation>no se puede poner nombre a la grabación %1: %2</translation>
    </message>
    <message>
        <source>cannot make a file in the output folder: %1</source>
        <translation>no se puede crear un archivo en la carpeta de destino: %1</translation>
    </message>
    <message>
        <source>%1 made no sound</source>
        <translation>%1 no produjo ningún sonido</translation>
    </message>
    <message>
        <source>%1 made no sound: %2</source>
        <translation>%1 no produjo ningún sonido: %2</translation>
    </message>
    <message>
        <source>cannot write in the output folder: %1</source>
        <translation>no se puede escribir en la carpeta de destino: %1</translation>
    </message>
    <message>
        <source>cannot speak with the voice %1: %2</source>
        <translation>no se puede hablar con la voz %1: %2</translation>
    </message>
    <message>
        <source>cannot make the output folder %1</source>
        <translation>no se puede crear la carpeta de destino %1</translation>
    </message>
    <message>
        <source>cannot write in the output folder %1: %2</source>
        <translation>no se puede escribir en la carpeta de destino %1: %2</translation>
    </message>
    <message>
        <source>the text-to-speech engine %1 cannot be started (%2); install the Debian package espeak-ng</source>
        <translation>no se puede iniciar el motor de voz %1 (%2); instala el paquete de Debian espeak-ng</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 seconds</source>
        <translation>%1 no terminó en %2 segundos</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 se cerró inesperadamente</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 falló</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a line of the word list gives no recording: it holds no word.</extracomment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1 cannot be a file name</source>
        <translation>%1 no puede ser un nombre de archivo</translation>
    </message>
    <message>
        <source>%1 has a slash, which no file name can hold</source>
        <translation>%1 tiene una barra (/), y ningún nombre de archivo puede llevarla</translation>
    </message>
    <message>
        <source>has a NUL character, which no file name can hold</source>
        <translation>tiene un carácter NUL, y ningún nombre de archivo puede llevarlo</translation>
    </message>
    <message>
        <source>%1 is too long for a file name</source>
        <translation>%1 es demasiado largo para un nombre de archivo</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>%1 ya está en la línea %2</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message>
        <source>Version 1.1.0</source>
        <translation>Versión 1.1.0</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.brindlecot.example&quot;&gt;https://www.brindlecot.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.brindlecot.example&quot;&gt;https://www.brindlecot.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Brindlecot Ltd</source>
        <translation>Brindlecot Ltd</translation>
    </message>
    <message>
        <source>support@brindlecot.example</source>
        <translation>support@brindlecot.example</translation>
    </message>
</context>
<context>
    <name>dlgDictionaries</name>
    <message>
        <source>Dictionaries</source>
        <translation>Diccionarios</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Agregar</translation>
    </message>
    <message>
        <source>&amp;Path of dictionary:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>Open the dictionary&apos;s folder</source>
        <translation>Abrir la carpeta del diccionario</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Make a dictionary from a word list, spoken by the computer</source>
        <translation>Crear un diccionario a partir de una lista de palabras, leída por una voz sintética</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Default dictionary cannot be deleted.</source>
        <translation>El diccionario Default no se puede eliminar.</translation>
    </message>
</context>
<context>
    <name>dlgMakeDictionary</name>
    <message>
        <source>Make dictionary</source>
        <translation>Crear diccionario</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>e.g. French words</source>
        <translation>p. ej., Palabras en francés</translation>
    </message>
    <message>
        <source>&amp;Put it in:</source>
        <translation>&amp;Guardar en:</translation>
    </message>
    <message>
        <source>Choose the folder that takes the new dictionary</source>
        <translation>Elegir la carpeta donde se guarda el nuevo diccionario</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>&amp;Words, one word or phrase per line:</source>
        <translation>&amp;Palabras o frases, una por línea:</translation>
    </message>
    <message>
        <source>&amp;Load word list...</source>
        <translation>Cargar &amp;lista...</translation>
    </message>
    <message>
        <source>Language and &amp;voice:</source>
        <translation>Idioma y &amp;voz:</translation>
    </message>
    <message>
        <source>Wor&amp;ds per minute:</source>
        <translation>Palabras por &amp;minuto:</translation>
    </message>
    <message>
        <source>Speaks the first word with this voice and speed</source>
        <translation>Dice la primera palabra con esta voz y velocidad</translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation>Pro&amp;bar</translation>
    </message>
    <message>
        <source>&amp;Replace recordings</source>
        <translation>&amp;Reemplazar grabaciones</translation>
    </message>
    <message>
        <source>Speak again the words that already have a recording made here</source>
        <translation>Volver a grabar las palabras que ya tienen una grabación hecha aquí</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>Load word list</source>
        <translation>Cargar lista de palabras</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <extracomment>The file chooser&apos;s filters; the patterns in brackets stay.</extracomment>
        <translation>Listas de palabras (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>This word list cannot be loaded: %1</source>
        <translation>No se puede cargar esta lista de palabras: %1</translation>
    </message>
    <message>
        <source>it is larger than 4 MB</source>
        <translation>ocupa más de 4 MB</translation>
    </message>
    <message>
        <source>Type a word first: Try speaks the first word of the list.</source>
        <translation>Primero escribe una palabra: Probar dice la primera palabra de la lista.</translation>
    </message>
    <message>
        <source>The word cannot be spoken: %1.</source>
        <translation>No se puede pronunciar la palabra: %1.</translation>
    </message>
    <message>
        <source>The word list is empty. Type or paste the words, one per line, or load a word list.</source>
        <translation>La lista de palabras está vacía. Escribe o pega las palabras, una por línea, o carga una lista de palabras.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Making the recordings</source>
        <translation>Creando las grabaciones</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Deteniendo...</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of the word list that gives no recording, and why.</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>The dictionary was not made: %1.</source>
        <translation>No se creó el diccionario: %1.</translation>
    </message>
    <message>
        <source>Stopped. The recording made in %1 so far stay there; Make again finishes the list, keeping them.</source>
        <translation>Detenido. La grabación hecha hasta ahora en %1 se queda ahí; si vuelves a pulsar Crear, se termina la lista y se conserva.</translation>
    </message>
    <message>
        <source>Stopped. The %1 recordings made in %2 so far stay there; Make again finishes the list, keeping them.</source>
        <translation>Detenido. Las %1 grabaciones hechas hasta ahora en %2 se quedan ahí; si vuelves a pulsar Crear, se termina la lista y se conservan.</translation>
    </message>
    <message>
        <source>%1 recording</source>
        <translation>%1 grabación</translation>
    </message>
    <message>
        <source>%1 recordings</source>
        <translation>%1 grabaciones</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 línea</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 líneas</translation>
    </message>
    <message>
        <source>Made %1, kept %2, skipped %3.</source>
        <extracomment>Made 2 recordings, kept 1 recording, skipped 0 lines.</extracomment>
        <translation>Creadas: %1. Conservadas: %2. Omitidas: %3.</translation>
    </message>
    <message>
        <source>Made %1, kept %2, skipped %3; %4 could not be spoken.</source>
        <translation>Creadas: %1. Conservadas: %2. Omitidas: %3. Sin poder pronunciar: %4.</translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation>%1 palabra</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 palabras</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Líneas omitidas:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Progress of the recordings: 3 of 40</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>dlgProgress</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Score over time</source>
        <translation>Evolución de la puntuación</translation>
    </message>
    <message>
        <source>Each point is a stored test; hover over it for its date and score</source>
        <translation>Cada punto es un dictado guardado; pasa el puntero por encima para ver su fecha y su puntuación</translation>
    </message>
    <message>
        <source>Where each dictionary stands</source>
        <translation>Cómo va cada diccionario</translation>
    </message>
    <message>
        <source>Your most frequent slips, last 30 days</source>
        <translation>Tus fallos más frecuentes, últimos 30 días</translation>
    </message>
    <message>
        <source>Words to practise: the words most often wrong, worst first</source>
        <translation>Palabras que practicar: las que más fallas, empezando por la peor</translation>
    </message>
    <message>
        <source>Words to practise</source>
        <translation>Palabras que practicar</translation>
    </message>
    <message>
        <source>Untick a word to leave it out of the practice and the new dictionary</source>
        <translation>Desmarca una palabra para dejarla fuera de la práctica y del nuevo diccionario</translation>
    </message>
    <message>
        <source>&amp;Practise these</source>
        <translation>&amp;Practicar estas</translation>
    </message>
    <message>
        <source>Start a test of the ticked words</source>
        <translation>Empezar un dictado con las palabras marcadas</translation>
    </message>
    <message>
        <source>Name of the new dictionary</source>
        <translation>Nombre del nuevo diccionario</translation>
    </message>
    <message>
        <source>Make a &amp;dictionary of these...</source>
        <translation>Crear un &amp;diccionario con estas...</translation>
    </message>
    <message>
        <source>Copy the recordings of the ticked words into a new dictionary</source>
        <translation>Copiar las grabaciones de las palabras marcadas en un diccionario nuevo</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>&amp;Exportar a CSV</translation>
    </message>
    <message>
        <source>Save every answer as a table for a spreadsheet</source>
        <translation>Guardar todas las respuestas como una tabla para hoja de cálculo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <extracomment>Among a word&apos;s misspellings: the answer was left empty</extracomment>
        <translation>(nada)</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Diccionario</translation>
    </message>
    <message>
        <source>New</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words never asked</extracomment>
        <translation>Nuevas</translation>
    </message>
    <message>
        <source>Learning</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words under review</extracomment>
        <translation>Aprendiendo</translation>
    </message>
    <message>
        <source>Known</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words asked and not under review</extracomment>
        <translation>Sabidas</translation>
    </message>
    <message>
        <source>Words never asked</source>
        <translation>Palabras que nunca se han dictado</translation>
    </message>
    <message>
        <source>Words missed and coming back for review</source>
        <translation>Palabras falladas que volverán para repasarlas</translation>
    </message>
    <message>
        <source>Words asked and not under review</source>
        <translation>Palabras ya dictadas que no están en repaso</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Asked</source>
        <comment>times</comment>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Missed</source>
        <comment>times</comment>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Misspelt as</source>
        <translation>Escrita como</translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <source>Next due</source>
        <translation>Próximo repaso</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Leyendo el historial...</translation>
    </message>
    <message>
        <source>%1 new, %2 learning, %3 known</source>
        <translation>%1 nuevas, %2 en aprendizaje, %3 sabidas</translation>
    </message>
    <message>
        <source>now</source>
        <comment>due</comment>
        <extracomment>When a word is next due: it is due already</extracomment>
        <translation>ahora</translation>
    </message>
    <message>
        <source>not under review</source>
        <translation>sin repaso</translation>
    </message>
    <message>
        <source>No word of the selected dictionaries has been missed yet.</source>
        <translation>Todavía no has fallado ninguna palabra de los diccionarios marcados.</translation>
    </message>
    <message>
        <source>There is no word history to read yet: it begins with your next test.</source>
        <translation>Todavía no hay historial de palabras que leer: empieza con tu próximo dictado.</translation>
    </message>
    <message>
        <source>No slips in the last 30 days.</source>
        <translation>Ningún fallo en los últimos 30 días.</translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>How often a kind of slip was made</extracomment>
        <translation>una vez</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 veces</translation>
    </message>
    <message>
        <source>Tick at least one word to practise.</source>
        <translation>Marca al menos una palabra para practicar.</translation>
    </message>
    <message>
        <source>Tick at least one word to put in the dictionary.</source>
        <translation>Marca al menos una palabra para ponerla en el diccionario.</translation>
    </message>
    <message>
        <source>There is a folder %1 already. Give the new dictionary another name.</source>
        <translation>Ya existe una carpeta %1. Ponle otro nombre al nuevo diccionario.</translation>
    </message>
    <message>
        <source>The dictionary was not made: %1 cannot be made.</source>
        <translation>No se creó el diccionario: no se puede crear %1.</translation>
    </message>
    <message>
        <source>The dictionary was not made: none of these words has a recording that could be copied.</source>
        <translation>No se creó el diccionario: ninguna de estas palabras tiene una grabación que se pueda copiar.</translation>
    </message>
    <message>
        <source>Made the dictionary %1 with %2 in %3; it is listed and ticked.</source>
        <extracomment>%1 is the new dictionary&apos;s name, %2 how many recordings (&quot;1 recording&quot;, &quot;5 recordings&quot;), %3 a folder</extracomment>
        <translation>Se creó el diccionario %1 con %2 en %3; ya está en la lista y marcado.</translation>
    </message>
    <message>
        <source>1 recording</source>
        <translation>1 grabación</translation>
    </message>
    <message>
        <source>%1 recordings</source>
        <translation>%1 grabaciones</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 palabra</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 palabras</translation>
    </message>
    <message>
        <source>%1 had no recording to copy.</source>
        <extracomment>%1 is how many words (&quot;1 word&quot;, &quot;3 words&quot;)</extracomment>
        <translation>Sin grabación que copiar: %1.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>The answers were not saved: %1 cannot be written.</source>
        <translation>No se guardaron las respuestas: no se puede escribir %1.</translation>
    </message>
</context>
<context>
    <name>dlgSettings</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Test &amp;number:</source>
        <translation>&amp;Palabras:</translation>
    </message>
    <message>
        <source>Check for &amp;updates</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>(maximum is 10 000)</source>
        <translation>(máximo 10&#xa0;000)</translation>
    </message>
    <message>
        <source>Show &amp;tips at startup</source>
        <translation>Mostrar &amp;consejos al iniciar</translation>
    </message>
    <message>
        <source>&amp;Remember words between tests</source>
        <translation>&amp;Recordar palabras entre dictados</translation>
    </message>
    <message>
        <source>Off: cafe is right for café, Munchen for München</source>
        <translation>Desactivado: cancion vale por canción, y Munchen por München</translation>
    </message>
    <message>
        <source>&amp;Accents must be right</source>
        <translation>Exigir ac&amp;entos correctos</translation>
    </message>
    <message>
        <source>On: london is wrong for London</source>
        <translation>Activado: madrid está mal por Madrid</translation>
    </message>
    <message>
        <source>&amp;Capitals must be right</source>
        <translation>Exigir &amp;mayúsculas correctas</translation>
    </message>
</context>
<context>
    <name>dlgStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Stored tests</source>
        <translation>Dictados guardados</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Tip: Show statistics by double click.</source>
        <translation>Consejo: doble clic para ver el informe.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Export to HTML</source>
        <translation>E&amp;xportar a HTML</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>&amp;Correct</source>
        <translation>&amp;Bien</translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <translation>Ma&amp;l</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Procesando...</translation>
    </message>
    <message>
        <source>HTML document (*.html)</source>
        <translation>Documento HTML (*.html)</translation>
    </message>
    <message>
        <source>The report was not saved: %1 cannot be written.</source>
        <translation>No se guardó el informe: no se puede escribir %1.</translation>
    </message>
</context>
<context>
    <name>dlgTips</name>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>Create your own words</source>
        <translation>Crea tus propias palabras</translation>
    </message>
    <message>
        <source>&amp;Do not show again</source>
        <translation>&amp;No volver a mostrar</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;http://soundoftext.com&quot;&gt;soundoftext.com&lt;/a&gt;
</source>
        <translation>&lt;a href=&quot;http://soundoftext.com&quot;&gt;soundoftext.com&lt;/a&gt;
</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>Costs nothing: said of the text-to-speech site beside it</extracomment>
        <translation>Gratis</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;http://ttsmp3.com&quot;&gt;ttsmp3.com&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;http://ttsmp3.com&quot;&gt;ttsmp3.com&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;http://www.naturalreaders.com&quot;&gt;www.naturalreaders.com&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;http://www.naturalreaders.com&quot;&gt;www.naturalreaders.com&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>dlgUpdate</name>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>New version available. Would you like to download it.</source>
        <translation>Hay una versión nueva. ¿Quieres descargarla?</translation>
    </message>
    <message>
        <source>You are using the latest version of Brindlecot Quillora.</source>
        <translation>Tienes la última versión de Brindlecot Quillora.</translation>
    </message>
    <message>
        <source>Service is currently unavailable.</source>
        <translation>El servicio no está disponible en este momento.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>newdictionary</name>
    <message>
        <source>Put the dictionary in</source>
        <translation>Guardar el diccionario en</translation>
    </message>
    <message>
        <source>Give the dictionary a name; it becomes a folder&apos;s name, so it cannot hold &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Ponle un nombre al diccionario; será el nombre de una carpeta, así que no puede contener &quot;/&quot; ni ser &quot;.&quot; o &quot;..&quot;.</translation>
    </message>
</context>
</TS>
