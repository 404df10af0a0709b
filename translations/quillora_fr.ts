<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MainWindow</name>
    <message>
        <source>Quillora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test number: 0/10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type text and press enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the help page (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quillora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the test length, the update check and the tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a test (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress: your score over time, the words to practise and your slips (F7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise my mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise my mistakes: only the words that are due (F6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the dictionaries a test draws from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for a newer version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look back at your stored tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test number: %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the word again (Ctrl+Space), or slowly (Ctrl+Shift+Space, or right-click)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the word and press Enter. Ctrl+Space plays it again, Ctrl+Shift+Space slowly; Ctrl+H gives the next letter, and the answer then counts as wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play slowly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word history could not be read, so a new one was started. The old file was kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word history could not be opened: words are not remembered between tests.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading stored tests into the word history: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This recording could not be played. Type the word, or press enter to go on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the test (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to add at least one dictionary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to select at least one dictionary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected dictionaries hold no recordings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word is due for practice: there are no mistakes to practise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of these words has a recording in the selected dictionaries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press enter to continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish&lt;br /&gt; Score: %1 / %2</source>
        <extracomment>The last line of a test: the counts of right and wrong answers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish. Score: %1 right, %2 wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a hint the answer counts as wrong. Type the rest and press enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2. Correct: %3, wrong: %4.</source>
        <extracomment>Read out to a screen reader after each answer: the verdict, the word spelt out, then the counts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, es), which the report&apos;s HTML names as its language</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tested: %1</source>
        <extracomment>Heading of a stored test&apos;s report; %1 is its date and time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct: %1 / Wrong: %2 / Success rate: %3 %</source>
        <extracomment>Under the heading; %1 and %2 are counts of answers, %3 a percentage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>Column heading: the word asked</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Column heading: whether the answer was right or wrong</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage, as the axis, the tooltips and the summary show it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No stored tests yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n tests. The last scored %1, the average of the last 10 is %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Length: 1 word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length: %1 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2 of %3 right (%4)
%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to draw yet: the chart needs two stored tests.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average of the last 10</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlipKind</name>
    <message>
        <source>One letter for two, or two for one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two letters the wrong way round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One vowel for another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A letter left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A letter too many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A wrong ending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other letters wrong, or another word</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dictionarybuilder</name>
    <message>
        <source>cannot name the recording %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make a file in the output folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 made no sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 made no sound: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write in the output folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot speak with the voice %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the output folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write in the output folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text-to-speech engine %1 cannot be started (%2); install the Debian package espeak-ng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not finish within %2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a line of the word list gives no recording: it holds no word.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a slash, which no file name can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a NUL character, which no file name can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long for a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.brindlecot.example&quot;&gt;https://www.brindlecot.example&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brindlecot Ltd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>support@brindlecot.example</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dlgDictionaries</name>
    <message>
        <source>Dictionaries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Path of dictionary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the dictionary&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a dictionary from a word list, spoken by the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default dictionary cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dlgMakeDictionary</name>
    <message>
        <source>Make dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. French words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Put it in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder that takes the new dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words, one word or phrase per line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load word list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language and &amp;voice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wor&amp;ds per minute:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speaks the first word with this voice and speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak again the words that already have a recording made here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load word list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <extracomment>The file chooser&apos;s filters; the patterns in brackets stay.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This word list cannot be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than 4 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a word first: Try speaks the first word of the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word cannot be spoken: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word list is empty. Type or paste the words, one per line, or load a word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making the recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of the word list that gives no recording, and why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dictionary was not made: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. The recording made in %1 so far stay there; Make again finishes the list, keeping them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. The %1 recordings made in %2 so far stay there; Make again finishes the list, keeping them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made %1, kept %2, skipped %3.</source>
        <extracomment>Made 2 recordings, kept 1 recording, skipped 0 lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made %1, kept %2, skipped %3; %4 could not be spoken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Progress of the recordings: 3 of 40</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dlgProgress</name>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each point is a stored test; hover over it for its date and score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where each dictionary stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your most frequent slips, last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to practise: the words most often wrong, worst first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to practise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untick a word to leave it out of the practice and the new dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practise these</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a test of the ticked words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the new dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a &amp;dictionary of these...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the recordings of the ticked words into a new dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save every answer as a table for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(nothing)</source>
        <extracomment>Among a word&apos;s misspellings: the answer was left empty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words never asked</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words under review</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words asked and not under review</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words never asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words missed and coming back for review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words asked and not under review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asked</source>
        <comment>times</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed</source>
        <comment>times</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misspelt as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 new, %2 learning, %3 known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>now</source>
        <comment>due</comment>
        <extracomment>When a word is next due: it is due already</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not under review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word of the selected dictionaries has been missed yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no word history to read yet: it begins with your next test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No slips in the last 30 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>How often a kind of slip was made</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick at least one word to practise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick at least one word to put in the dictionary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is a folder %1 already. Give the new dictionary another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dictionary was not made: %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dictionary was not made: none of these words has a recording that could be copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made the dictionary %1 with %2 in %3; it is listed and ticked.</source>
        <extracomment>%1 is the new dictionary&apos;s name, %2 how many recordings (&quot;1 recording&quot;, &quot;5 recordings&quot;), %3 a folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recordings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 had no recording to copy.</source>
        <extracomment>%1 is how many words (&quot;1 word&quot;, &quot;3 words&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers were not saved: %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dlgSettings</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test &amp;number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for &amp;updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(maximum is 10 000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;tips at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remember words between tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off: cafe is right for café, Munchen for München</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Accents must be right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On: london is wrong for London</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Capitals must be right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dlgStatistics</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: Show statistics by double click.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML document (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was not saved: %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dlgTips</name>
    <message>
        <source>Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create your own words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Do not show again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;http://soundoftext.com&quot;&gt;soundoftext.com&lt;/a&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>Costs nothing: said of the text-to-speech site beside it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;http://ttsmp3.com&quot;&gt;ttsmp3.com&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;http://www.naturalreaders.com&quot;&gt;www.naturalreaders.com&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dlgUpdate</name>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version available. Would you like to download it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are using the latest version of Brindlecot Quillora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service is currently unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>newdictionary</name>
    <message>
        <source>Put the dictionary in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the dictionary a name; it becomes a folder&apos;s name, so it cannot hold &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
