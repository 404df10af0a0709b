<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Wort: 0/10</translation>
    </message>
    <message>
        <source>Wrong: 0</source>
        <translation>Falsch: 0</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Richtig: 0</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Type text and press enter</source>
        <translation>Tippe das Wort ein und drücke Enter</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open the help page (F1)</source>
        <translation>Die Hilfeseite öffnen (F1)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Quillora</source>
        <translation>Über Quillora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Change the test length, the update check and the tips (Ctrl+,)</source>
        <translation>Diktatlänge, Update-Prüfung und Tipps ändern (Ctrl+,)</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start a test (F5)</source>
        <translation>Ein Diktat starten (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Progress: your score over time, the words to practise and your slips (F7)</source>
        <translation>Fortschritt: deine Ergebnisse im Verlauf, die Wörter zum Üben und deine Fehler (F7)</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Practise my mistakes</source>
        <translation>Meine Fehler üben</translation>
    </message>
    <message>
        <source>Practise my mistakes: only the words that are due (F6)</source>
        <translation>Meine Fehler üben: nur die fälligen Wörter (F6)</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Wörterbücher</translation>
    </message>
    <message>
        <source>Choose the dictionaries a test draws from (Ctrl+D)</source>
        <translation>Die Wörterbücher wählen, aus denen die Diktate ihre Wörter nehmen (Ctrl+D)</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Check for a newer version</source>
        <translation>Nach einer neueren Version suchen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Look back at your stored tests (Ctrl+R)</source>
        <translation>Deine gespeicherten Diktate ansehen (Ctrl+R)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Test number: %1/%2</source>
        <translation>Wort: %1/%2</translation>
    </message>
    <message>
        <source>Play the word again (Ctrl+Space), or slowly (Ctrl+Shift+Space, or right-click)</source>
        <translation>Das Wort noch einmal abspielen (Ctrl+Space) oder langsam (Ctrl+Shift+Space oder Rechtsklick)</translation>
    </message>
    <message>
        <source>Type the word and press Enter. Ctrl+Space plays it again, Ctrl+Shift+Space slowly; Ctrl+H gives the next letter, and the answer then counts as wrong</source>
        <translation>Tippe das Wort ein und drücke Enter. Ctrl+Space spielt es noch einmal ab, Ctrl+Shift+Space langsam; Ctrl+H verrät den nächsten Buchstaben, dann zählt die Antwort aber als falsch</translation>
    </message>
    <message>
        <source>Play slowly</source>
        <translation>Langsam abspielen</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>The word history could not be read, so a new one was started. The old file was kept as %1.</source>
        <translation>Der Wortverlauf konnte nicht gelesen werden, deshalb wurde ein neuer begonnen. Die alte Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The word history could not be opened: words are not remembered between tests.</source>
        <translation>Der Wortverlauf konnte nicht geöffnet werden: Wörter werden zwischen den Diktaten nicht gemerkt.</translation>
    </message>
    <message>
        <source>Reading stored tests into the word history: %1 of %2</source>
        <translation>Gespeicherte Diktate werden in den Wortverlauf übernommen: %1 von %2</translation>
    </message>
    <message>
        <source>This recording could not be played. Type the word, or press enter to go on</source>
        <translation>Diese Aufnahme konnte nicht abgespielt werden. Tippe das Wort ein oder drücke Enter, um weiterzumachen</translation>
    </message>
    <message>
        <source>Stop the test (F5)</source>
        <translation>Das Diktat abbrechen (F5)</translation>
    </message>
    <message>
        <source>You have to add at least one dictionary.</source>
        <translation>Du musst mindestens ein Wörterbuch hinzufügen.</translation>
    </message>
    <message>
        <source>You have to select at least one dictionary.</source>
        <translation>Du musst mindestens ein Wörterbuch anhaken.</translation>
    </message>
    <message>
        <source>The selected dictionaries hold no recordings.</source>
        <translation>Die angehakten Wörterbücher enthalten keine Aufnahmen.</translation>
    </message>
    <message>
        <source>No word is due for practice: there are no mistakes to practise.</source>
        <translation>Kein Wort ist zum Üben fällig: Es gibt keine Fehler zu üben.</translation>
    </message>
    <message>
        <source>None of these words has a recording in the selected dictionaries.</source>
        <translation>Keines dieser Wörter hat eine Aufnahme in den angehakten Wörterbüchern.</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Falsch: %1</translation>
    </message>
    <message>
        <source>Press enter to continue</source>
        <translation>Drücke Enter, um weiterzumachen</translation>
    </message>
    <message>
        <source>Finish&lt;br /&gt; Score: %1 / %2</source>
        <extracomment>The last line of a test: the counts of right and wrong answers.</extracomment>
        <translation>Fertig!&lt;br /&gt; Ergebnis: %1 / %2</translation>
    </message>
    <message>
        <source>Finish. Score: %1 right, %2 wrong.</source>
        <translation>Fertig. Ergebnis: %1 richtig, %2 falsch.</translation>
    </message>
    <message>
        <source>With a hint the answer counts as wrong. Type the rest and press enter</source>
        <translation>Mit einem Tipp zählt die Antwort als falsch. Tippe den Rest ein und drücke Enter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <comment>the verdict, with the word</comment>
        <translation>Falsch: %1</translation>
    </message>
    <message>
        <source>%1. %2. Correct: %3, wrong: %4.</source>
        <extracomment>Read out to a screen reader after each answer: the verdict, the word spelt out, then the counts.</extracomment>
        <translation>%1. %2. Richtig: %3, falsch: %4.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, es), which the report&apos;s HTML names as its language</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Tested: %1</source>
        <extracomment>Heading of a stored test&apos;s report; %1 is its date and time</extracomment>
        <translation>Diktat vom %1</translation>
    </message>
    <message>
        <source>Correct: %1 / Wrong: %2 / Success rate: %3 %</source>
        <extracomment>Under the heading; %1 and %2 are counts of answers, %3 a percentage</extracomment>
        <translation>Richtig: %1 / Falsch: %2 / Erfolgsquote: %3 %</translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>Column heading: the word asked</extracomment>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Column heading: whether the answer was right or wrong</extracomment>
        <translation>Ergebnis</translation>
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
        <translation>Ergebnisse im Verlauf</translation>
    </message>
    <message>
        <source>No stored tests yet.</source>
        <translation>Noch keine gespeicherten Diktate.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests. The last scored %1, the average of the last 10 is %2.</source>
        <translation>
            <numerusform>%n Diktat. Das letzte erreichte %1, der Durchschnitt der letzten 10 liegt bei %2.</numerusform>
            <numerusform>%n Diktate. Das letzte erreichte %1, der Durchschnitt der letzten 10 liegt bei %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Length: 1 word</source>
        <translation>Länge: 1 Wort</translation>
    </message>
    <message>
        <source>Length: %1 words</source>
        <translation>Länge: %1 Wörter</translation>
    </message>
    <message>
        <source>%1
%2 of %3 right (%4)
%5</source>
        <translation>%1
%2 von %3 richtig (%4)
%5</translation>
    </message>
    <message>
        <source>Nothing to draw yet: the chart needs two stored tests.</source>
        <translation>Noch nichts zu zeichnen: Das Diagramm braucht zwei gespeicherte Diktate.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Average of the last 10</source>
        <translation>Durchschnitt der letzten 10</translation>
    </message>
</context>
<context>
    <name>SlipKind</name>
    <message>
        <source>One letter for two, or two for one</source>
        <translation>Einfach statt doppelt oder umgekehrt</translation>
    </message>
    <message>
        <source>Two letters the wrong way round</source>
        <translation>Zwei Buchstaben vertauscht</translation>
    </message>
    <message>
        <source>One vowel for another</source>
        <translation>Ein Vokal statt eines anderen</translation>
    </message>
    <message>
        <source>A letter left out</source>
        <translation>Ein Buchstabe fehlt</translation>
    </message>
    <message>
        <source>A letter too many</source>
        <translation>Ein Buchstabe zu viel</translation>
    </message>
    <message>
        <source>A wrong ending</source>
        <translation>Falsche Endung</translation>
    </message>
    <message>
        <source>Other letters wrong, or another word</source>
        <translation>Andere Buchstaben falsch oder ein anderes Wort</translation>
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
        <translation>OK, mit Tipp</translation>
    </message>
    <message>
        <source> (with a hint)</source>
        <translation> (mit Tipp)</translation>
    </message>
</context>
<context>
    <name>dictionarybuilder</name>
    <message>
        <source>cannot name the recording %1: %2</source>
        <translation>die Aufnahme %1 kann nicht so benannt werden: %2</translation>
    </message>
    <message>
        <source>cannot make a file in the output folder: %1</source>
        <translation>im Ausgabeordner kann keine Datei angelegt werden: %1</translation>
    </message>
    <message>
        <source>%1 made no sound</source>
        <translation>%1 hat keinen Ton erzeugt</translation>
    </message>
    <message>
        <source>%1 made no sound: %2</source>
        <translation>%1 hat keinen Ton erzeugt: %2</translation>
    </message>
    <message>
        <source>cannot write in the output folder: %1</source>
        <translation>in den Ausgabeordner kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot speak with the voice %1: %2</source>
        <translation>mit der Stimme %1 kann nicht gesprochen werden: %2</translation>
    </message>
    <message>
        <source>cannot make the output folder %1</source>
        <translation>der Ausgabeordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write in the output folder %1: %2</source>
        <translation>in den Ausgabeordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the text-to-speech engine %1 cannot be started (%2); install the Debian package espeak-ng</source>
        <translation>die Sprachausgabe %1 kann nicht gestartet werden (%2); installiere das Debian-Paket espeak-ng</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 seconds</source>
        <translation>%1 ist nicht innerhalb von %2 Sekunden fertig geworden</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 ist abgestürzt</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a line of the word list gives no recording: it holds no word.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 cannot be a file name</source>
        <translation>%1 kann kein Dateiname sein</translation>
    </message>
    <message>
        <source>%1 has a slash, which no file name can hold</source>
        <translation>%1 enthält einen Schrägstrich, und den darf kein Dateiname enthalten</translation>
    </message>
    <message>
        <source>has a NUL character, which no file name can hold</source>
        <translation>enthält ein NUL-Zeichen, und das darf kein Dateiname enthalten</translation>
    </message>
    <message>
        <source>%1 is too long for a file name</source>
        <translation>%1 ist zu lang für einen Dateinamen</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>%1 steht schon in Zeile %2</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message>
        <source>Version 1.1.0</source>
        <translation>Version 1.1.0</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
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
        <translation>Firma:</translation>
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
        <translation>Wörterbücher</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Path of dictionary:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>Open the dictionary&apos;s folder</source>
        <translation>Den Ordner des Wörterbuchs öffnen</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Make a dictionary from a word list, spoken by the computer</source>
        <translation>Ein Wörterbuch aus einer Wortliste erstellen, vom Computer gesprochen</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default dictionary cannot be deleted.</source>
        <translation>Das Wörterbuch „Default“ kann nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>dlgMakeDictionary</name>
    <message>
        <source>Make dictionary</source>
        <translation>Wörterbuch erstellen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>e.g. French words</source>
        <translation>z. B. Französische Wörter</translation>
    </message>
    <message>
        <source>&amp;Put it in:</source>
        <translation>&amp;Speichern in:</translation>
    </message>
    <message>
        <source>Choose the folder that takes the new dictionary</source>
        <translation>Den Ordner wählen, in den das neue Wörterbuch kommt</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>&amp;Words, one word or phrase per line:</source>
        <translation>&amp;Wörter oder Sätze, eins pro Zeile:</translation>
    </message>
    <message>
        <source>&amp;Load word list...</source>
        <translation>Wortliste &amp;laden...</translation>
    </message>
    <message>
        <source>Language and &amp;voice:</source>
        <translation>S&amp;prache und Stimme:</translation>
    </message>
    <message>
        <source>Wor&amp;ds per minute:</source>
        <translation>Wörter pro &amp;Minute:</translation>
    </message>
    <message>
        <source>Speaks the first word with this voice and speed</source>
        <translation>Spricht das erste Wort mit dieser Stimme und Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation>An&amp;hören</translation>
    </message>
    <message>
        <source>&amp;Replace recordings</source>
        <translation>&amp;Vorhandene Aufnahmen ersetzen</translation>
    </message>
    <message>
        <source>Speak again the words that already have a recording made here</source>
        <translation>Auch die Wörter neu sprechen, die schon eine hier erstellte Aufnahme haben</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Load word list</source>
        <translation>Wortliste laden</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <extracomment>The file chooser&apos;s filters; the patterns in brackets stay.</extracomment>
        <translation>Wortlisten (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>This word list cannot be loaded: %1</source>
        <translation>Diese Wortliste kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>it is larger than 4 MB</source>
        <translation>sie ist größer als 4 MB</translation>
    </message>
    <message>
        <source>Type a word first: Try speaks the first word of the list.</source>
        <translation>Tippe zuerst ein Wort ein: „Anhören“ spricht das erste Wort der Liste.</translation>
    </message>
    <message>
        <source>The word cannot be spoken: %1.</source>
        <translation>Das Wort kann nicht gesprochen werden: %1.</translation>
    </message>
    <message>
        <source>The word list is empty. Type or paste the words, one per line, or load a word list.</source>
        <translation>Die Wortliste ist leer. Tippe die Wörter ein oder füge sie ein, eins pro Zeile, oder lade eine Wortliste.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Making the recordings</source>
        <translation>Aufnahmen werden erstellt</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of the word list that gives no recording, and why.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The dictionary was not made: %1.</source>
        <translation>Das Wörterbuch wurde nicht erstellt: %1.</translation>
    </message>
    <message>
        <source>Stopped. The recording made in %1 so far stay there; Make again finishes the list, keeping them.</source>
        <translation>Abgebrochen. Die bisher in %1 erstellte Aufnahme bleibt dort; „Erstellen“ macht die Liste später fertig und behält sie.</translation>
    </message>
    <message>
        <source>Stopped. The %1 recordings made in %2 so far stay there; Make again finishes the list, keeping them.</source>
        <translation>Abgebrochen. Die %1 bisher in %2 erstellten Aufnahmen bleiben dort; „Erstellen“ macht die Liste später fertig und behält sie.</translation>
    </message>
    <message>
        <source>%1 recording</source>
        <translation>%1 Aufnahme</translation>
    </message>
    <message>
        <source>%1 recordings</source>
        <translation>%1 Aufnahmen</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 Zeile</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>Made %1, kept %2, skipped %3.</source>
        <extracomment>Made 2 recordings, kept 1 recording, skipped 0 lines.</extracomment>
        <translation>%1 erstellt, %2 behalten, %3 übersprungen.</translation>
    </message>
    <message>
        <source>Made %1, kept %2, skipped %3; %4 could not be spoken.</source>
        <translation>%1 erstellt, %2 behalten, %3 übersprungen; nicht sprechbar: %4.</translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation>%1 Wort</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Übersprungen:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Progress of the recordings: 3 of 40</extracomment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>dlgProgress</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Score over time</source>
        <translation>Ergebnisse im Verlauf</translation>
    </message>
    <message>
        <source>Each point is a stored test; hover over it for its date and score</source>
        <translation>Jeder Punkt ist ein gespeichertes Diktat; zeig mit der Maus darauf, um Datum und Ergebnis zu sehen</translation>
    </message>
    <message>
        <source>Where each dictionary stands</source>
        <translation>Stand der Wörterbücher</translation>
    </message>
    <message>
        <source>Your most frequent slips, last 30 days</source>
        <translation>Deine häufigsten Fehler der letzten 30 Tage</translation>
    </message>
    <message>
        <source>Words to practise: the words most often wrong, worst first</source>
        <translation>Wörter zum Üben: die am häufigsten falsch geschriebenen zuerst</translation>
    </message>
    <message>
        <source>Words to practise</source>
        <translation>Wörter zum Üben</translation>
    </message>
    <message>
        <source>Untick a word to leave it out of the practice and the new dictionary</source>
        <translation>Entferne den Haken bei einem Wort, um es beim Üben und im neuen Wörterbuch wegzulassen</translation>
    </message>
    <message>
        <source>&amp;Practise these</source>
        <translation>&amp;Diese üben</translation>
    </message>
    <message>
        <source>Start a test of the ticked words</source>
        <translation>Ein Diktat mit den angehakten Wörtern starten</translation>
    </message>
    <message>
        <source>Name of the new dictionary</source>
        <translation>Name des neuen Wörterbuchs</translation>
    </message>
    <message>
        <source>Make a &amp;dictionary of these...</source>
        <translation>&amp;Wörterbuch daraus erstellen...</translation>
    </message>
    <message>
        <source>Copy the recordings of the ticked words into a new dictionary</source>
        <translation>Die Aufnahmen der angehakten Wörter in ein neues Wörterbuch kopieren</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>Als &amp;CSV speichern</translation>
    </message>
    <message>
        <source>Save every answer as a table for a spreadsheet</source>
        <translation>Alle Antworten als Tabelle für eine Tabellenkalkulation speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <extracomment>Among a word&apos;s misspellings: the answer was left empty</extracomment>
        <translation>(nichts)</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Wörterbuch</translation>
    </message>
    <message>
        <source>New</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words never asked</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Learning</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words under review</extracomment>
        <translation>Im Lernen</translation>
    </message>
    <message>
        <source>Known</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words asked and not under review</extracomment>
        <translation>Bekannt</translation>
    </message>
    <message>
        <source>Words never asked</source>
        <translation>Noch nie abgefragte Wörter</translation>
    </message>
    <message>
        <source>Words missed and coming back for review</source>
        <translation>Falsch geschriebene Wörter, die zur Wiederholung zurückkommen</translation>
    </message>
    <message>
        <source>Words asked and not under review</source>
        <translation>Abgefragte Wörter, die nicht wiederholt werden</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Asked</source>
        <comment>times</comment>
        <translation>Abgefragt</translation>
    </message>
    <message>
        <source>Missed</source>
        <comment>times</comment>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Misspelt as</source>
        <translation>Geschrieben als</translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation>Zuletzt abgefragt</translation>
    </message>
    <message>
        <source>Next due</source>
        <translation>Wieder fällig</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Verlauf wird gelesen...</translation>
    </message>
    <message>
        <source>%1 new, %2 learning, %3 known</source>
        <translation>%1 neu, %2 im Lernen, %3 bekannt</translation>
    </message>
    <message>
        <source>now</source>
        <comment>due</comment>
        <extracomment>When a word is next due: it is due already</extracomment>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>not under review</source>
        <translation>keine Wiederholung</translation>
    </message>
    <message>
        <source>No word of the selected dictionaries has been missed yet.</source>
        <translation>In den angehakten Wörterbüchern wurde noch kein Wort falsch geschrieben.</translation>
    </message>
    <message>
        <source>There is no word history to read yet: it begins with your next test.</source>
        <translation>Es gibt noch keinen Wortverlauf: Er beginnt mit deinem nächsten Diktat.</translation>
    </message>
    <message>
        <source>No slips in the last 30 days.</source>
        <translation>Keine Fehler in den letzten 30 Tagen.</translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>How often a kind of slip was made</extracomment>
        <translation>einmal</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1-mal</translation>
    </message>
    <message>
        <source>Tick at least one word to practise.</source>
        <translation>Hake mindestens ein Wort zum Üben an.</translation>
    </message>
    <message>
        <source>Tick at least one word to put in the dictionary.</source>
        <translation>Hake mindestens ein Wort an, das ins Wörterbuch soll.</translation>
    </message>
    <message>
        <source>There is a folder %1 already. Give the new dictionary another name.</source>
        <translation>Es gibt schon einen Ordner %1. Gib dem neuen Wörterbuch einen anderen Namen.</translation>
    </message>
    <message>
        <source>The dictionary was not made: %1 cannot be made.</source>
        <translation>Das Wörterbuch wurde nicht erstellt: %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The dictionary was not made: none of these words has a recording that could be copied.</source>
        <translation>Das Wörterbuch wurde nicht erstellt: Keines dieser Wörter hat eine Aufnahme, die kopiert werden konnte.</translation>
    </message>
    <message>
        <source>Made the dictionary %1 with %2 in %3; it is listed and ticked.</source>
        <extracomment>%1 is the new dictionary&apos;s name, %2 how many recordings (&quot;1 recording&quot;, &quot;5 recordings&quot;), %3 a folder</extracomment>
        <translation>Das Wörterbuch %1 mit %2 wurde in %3 erstellt; es steht in der Liste und ist angehakt.</translation>
    </message>
    <message>
        <source>1 recording</source>
        <translation>1 Aufnahme</translation>
    </message>
    <message>
        <source>%1 recordings</source>
        <translation>%1 Aufnahmen</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 Wort</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
    <message>
        <source>%1 had no recording to copy.</source>
        <extracomment>%1 is how many words (&quot;1 word&quot;, &quot;3 words&quot;)</extracomment>
        <translation>Für %1 gab es keine Aufnahme zum Kopieren.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>The answers were not saved: %1 cannot be written.</source>
        <translation>Die Antworten wurden nicht gespeichert: %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>dlgSettings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Test &amp;number:</source>
        <translation>&amp;Wortanzahl:</translation>
    </message>
    <message>
        <source>Check for &amp;updates</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>(maximum is 10 000)</source>
        <translation>(höchstens 10 000)</translation>
    </message>
    <message>
        <source>Show &amp;tips at startup</source>
        <translation>&amp;Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Remember words between tests</source>
        <translation>Wörter zwischen Diktaten &amp;merken</translation>
    </message>
    <message>
        <source>Off: cafe is right for café, Munchen for München</source>
        <translation>Aus: cafe ist richtig für café, Munchen für München</translation>
    </message>
    <message>
        <source>&amp;Accents must be right</source>
        <translation>&amp;Akzente müssen stimmen</translation>
    </message>
    <message>
        <source>On: london is wrong for London</source>
        <translation>An: london ist falsch für London</translation>
    </message>
    <message>
        <source>&amp;Capitals must be right</source>
        <translation>&amp;Groß-/Kleinschreibung muss stimmen</translation>
    </message>
</context>
<context>
    <name>dlgStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Stored tests</source>
        <translation>Gespeicherte Diktate</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Tip: Show statistics by double click.</source>
        <translation>Tipp: Ein Doppelklick zeigt den Bericht.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Export to HTML</source>
        <translation>&amp;HTML-Export</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>&amp;Correct</source>
        <translation>&amp;Richtig</translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <translation>&amp;Falsch</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Wird verarbeitet...</translation>
    </message>
    <message>
        <source>HTML document (*.html)</source>
        <translation>HTML-Dokument (*.html)</translation>
    </message>
    <message>
        <source>The report was not saved: %1 cannot be written.</source>
        <translation>Der Bericht wurde nicht gespeichert: %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>dlgTips</name>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Create your own words</source>
        <translation>Erstelle deine eigenen Wörter</translation>
    </message>
    <message>
        <source>&amp;Do not show again</source>
        <translation>&amp;Nicht mehr anzeigen</translation>
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
        <translation>Update</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>New version available. Would you like to download it.</source>
        <translation>Eine neue Version ist da. Möchtest du sie herunterladen?</translation>
    </message>
    <message>
        <source>You are using the latest version of Brindlecot Quillora.</source>
        <translation>Du hast die neueste Version von Brindlecot Quillora.</translation>
    </message>
    <message>
        <source>Service is currently unavailable.</source>
        <translation>Der Dienst ist zurzeit nicht erreichbar.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>newdictionary</name>
    <message>
        <source>Put the dictionary in</source>
        <translation>Wörterbuch speichern in</translation>
    </message>
    <message>
        <source>Give the dictionary a name; it becomes a folder&apos;s name, so it cannot hold &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Gib dem Wörterbuch einen Namen; er wird zum Namen eines Ordners, darf also kein „/“ enthalten und nicht „.“ oder „..“ sein.</translation>
    </message>
</context>
</TS>
