<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Mot&#xa0;: 0/10</translation>
    </message>
    <message>
        <source>Wrong: 0</source>
        <translation>Faux&#xa0;: 0</translation>
    </message>
    <message>
        <source>Correct: 0</source>
        <translation>Justes&#xa0;: 0</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Réécouter</translation>
    </message>
    <message>
        <source>Type text and press enter</source>
        <translation>Tapez le mot et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Open the help page (F1)</source>
        <translation>Ouvrir l&apos;aide (F1)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Quillora</source>
        <translation>À propos de Quillora</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Start a test (F5)</source>
        <translation>Démarrer une dictée (F5)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Progress: your score over time, the words to practise and your slips (F7)</source>
        <translation>Progrès&#xa0;: votre score au fil du temps, les mots à réviser et vos fautes (F7)</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Practise my mistakes</source>
        <translation>Réviser mes erreurs</translation>
    </message>
    <message>
        <source>Practise my mistakes: only the words that are due (F6)</source>
        <translation>Réviser mes erreurs&#xa0;: seulement les mots à revoir (F6)</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Dictionnaires</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Check for a newer version</source>
        <translation>Rechercher une nouvelle version</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Test number: %1/%2</source>
        <translation>Mot&#xa0;: %1/%2</translation>
    </message>
    <message>
        <source>Play the word again (Ctrl+Space), or slowly (Ctrl+Shift+Space, or right-click)</source>
        <translation>Réécouter le mot (Ctrl+Space), ou lentement (Ctrl+Shift+Space, ou clic droit)</translation>
    </message>
    <message>
        <source>Type the word and press Enter. Ctrl+Space plays it again, Ctrl+Shift+Space slowly; Ctrl+H gives the next letter, and the answer then counts as wrong</source>
        <translation>Tapez le mot et appuyez sur Entrée. Ctrl+Space le répète, Ctrl+Shift+Space lentement&#xa0;; Ctrl+H donne la lettre suivante, mais la réponse compte alors comme fausse</translation>
    </message>
    <message>
        <source>Play slowly</source>
        <translation>Écouter lentement</translation>
    </message>
    <message>
        <source>The word history could not be read, so a new one was started. The old file was kept as %1.</source>
        <translation>L&apos;historique des mots n&apos;a pas pu être lu&#xa0;: un nouvel historique a été commencé. L&apos;ancien fichier a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>The word history could not be opened: words are not remembered between tests.</source>
        <translation>L&apos;historique des mots n&apos;a pas pu être ouvert&#xa0;: les mots ne seront pas retenus d&apos;une dictée à l&apos;autre.</translation>
    </message>
    <message>
        <source>Reading stored tests into the word history: %1 of %2</source>
        <translation>Import des dictées passées dans l&apos;historique des mots&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>This recording could not be played. Type the word, or press enter to go on</source>
        <translation>Cet enregistrement n&apos;a pas pu être lu. Tapez le mot, ou appuyez sur Entrée pour continuer</translation>
    </message>
    <message>
        <source>Stop the test (F5)</source>
        <translation>Arrêter la dictée (F5)</translation>
    </message>
    <message>
        <source>You have to add at least one dictionary.</source>
        <translation>Ajoutez au moins un dictionnaire.</translation>
    </message>
    <message>
        <source>You have to select at least one dictionary.</source>
        <translation>Cochez au moins un dictionnaire.</translation>
    </message>
    <message>
        <source>The selected dictionaries hold no recordings.</source>
        <translation>Les dictionnaires cochés ne contiennent aucun enregistrement.</translation>
    </message>
    <message>
        <source>No word is due for practice: there are no mistakes to practise.</source>
        <translation>Aucun mot n&apos;est à réviser&#xa0;: vous n&apos;avez pas d&apos;erreurs à revoir.</translation>
    </message>
    <message>
        <source>None of these words has a recording in the selected dictionaries.</source>
        <translation>Aucun de ces mots n&apos;a d&apos;enregistrement dans les dictionnaires cochés.</translation>
    </message>
    <message>
        <source>Correct: %1</source>
        <translation>Justes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <translation>Faux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Press enter to continue</source>
        <translation>Appuyez sur Entrée pour continuer</translation>
    </message>
    <message>
        <source>Finish&lt;br /&gt; Score: %1 / %2</source>
        <extracomment>The last line of a test: the counts of right and wrong answers.</extracomment>
        <translation>Terminé&lt;br /&gt; Score&#xa0;: %1 / %2</translation>
    </message>
    <message>
        <source>Finish. Score: %1 right, %2 wrong.</source>
        <translation>Terminé. Justes&#xa0;: %1, faux&#xa0;: %2.</translation>
    </message>
    <message>
        <source>With a hint the answer counts as wrong. Type the rest and press enter</source>
        <translation>Avec un indice, la réponse compte comme fausse. Tapez la suite et appuyez sur Entrée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1. %2. Correct: %3, wrong: %4.</source>
        <extracomment>Read out to a screen reader after each answer: the verdict, the word spelt out, then the counts.</extracomment>
        <translation>%1. %2. Justes&#xa0;: %3, faux&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Change the test length, the update check and the tips (Ctrl+,)</source>
        <translation>Modifier la longueur des dictées, la recherche de mises à jour et les astuces (Ctrl+,)</translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation>Ctrl+,</translation>
    </message>
    <message>
        <source>Choose the dictionaries a test draws from (Ctrl+D)</source>
        <translation>Choisir les dictionnaires d&apos;où viennent les mots des dictées (Ctrl+D)</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Look back at your stored tests (Ctrl+R)</source>
        <translation>Revoir vos dictées passées (Ctrl+R)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Wrong: %1</source>
        <comment>the verdict, with the word</comment>
        <translation>Faux&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation (de, fr, es), which the report&apos;s HTML names as its language</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Tested: %1</source>
        <extracomment>Heading of a stored test&apos;s report; %1 is its date and time</extracomment>
        <translation>Dictée du %1</translation>
    </message>
    <message>
        <source>Correct: %1 / Wrong: %2 / Success rate: %3 %</source>
        <extracomment>Under the heading; %1 and %2 are counts of answers, %3 a percentage</extracomment>
        <translation>Justes&#xa0;: %1 / Faux&#xa0;: %2 / Réussite&#xa0;: %3&#xa0;%</translation>
    </message>
    <message>
        <source>Word</source>
        <extracomment>Column heading: the word asked</extracomment>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Column heading: whether the answer was right or wrong</extracomment>
        <translation>Résultat</translation>
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
        <translation>Score au fil du temps</translation>
    </message>
    <message>
        <source>No stored tests yet.</source>
        <translation>Aucune dictée pour l&apos;instant.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests. The last scored %1, the average of the last 10 is %2.</source>
        <translation>
            <numerusform>%n dictée. La dernière a obtenu %1, la moyenne des 10 dernières est de %2.</numerusform>
            <numerusform>%n dictées. La dernière a obtenu %1, la moyenne des 10 dernières est de %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Length: 1 word</source>
        <translation>Longueur&#xa0;: 1 mot</translation>
    </message>
    <message>
        <source>Length: %1 words</source>
        <translation>Longueur&#xa0;: %1 mots</translation>
    </message>
    <message>
        <source>%1
%2 of %3 right (%4)
%5</source>
        <translation>%1
Justes&#xa0;: %2 sur %3 (%4)
%5</translation>
    </message>
    <message>
        <source>Nothing to draw yet: the chart needs two stored tests.</source>
        <translation>Rien à afficher pour l&apos;instant&#xa0;: il faut au moins deux dictées.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Average of the last 10</source>
        <translation>Moyenne des 10 dernières</translation>
    </message>
</context>
<context>
    <name>SlipKind</name>
    <message>
        <source>One letter for two, or two for one</source>
        <translation>Une lettre pour deux, ou deux pour une</translation>
    </message>
    <message>
        <source>Two letters the wrong way round</source>
        <translation>Deux lettres inversées</translation>
    </message>
    <message>
        <source>One vowel for another</source>
        <translation>Une voyelle pour une autre</translation>
    </message>
    <message>
        <source>A letter left out</source>
        <translation>Une lettre oubliée</translation>
    </message>
    <message>
        <source>A letter too many</source>
        <translation>Une lettre en trop</translation>
    </message>
    <message>
        <source>A wrong ending</source>
        <translation>Une mauvaise terminaison</translation>
    </message>
    <message>
        <source>Other letters wrong, or another word</source>
        <translation>D&apos;autres lettres fausses, ou un autre mot</translation>
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
        <translation>OK, avec un indice</translation>
    </message>
    <message>
        <source> (with a hint)</source>
        <translation> (avec un indice)</translation>
    </message>
</context>
<context>
    <name>dictionarybuilder</name>
    <message>
        <source>cannot name the recording %1: %2</source>
        <translation>impossible de nommer l&apos;enregistrement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot make a file in the output folder: %1</source>
        <translation>impossible de créer un fichier dans le dossier de sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 made no sound</source>
        <translation>%1 n&apos;a produit aucun son</translation>
    </message>
    <message>
        <source>%1 made no sound: %2</source>
        <translation>%1 n&apos;a produit aucun son&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write in the output folder: %1</source>
        <translation>impossible d&apos;écrire dans le dossier de sortie&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot speak with the voice %1: %2</source>
        <translation>impossible de parler avec la voix %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot make the output folder %1</source>
        <translation>impossible de créer le dossier de sortie %1</translation>
    </message>
    <message>
        <source>cannot write in the output folder %1: %2</source>
        <translation>impossible d&apos;écrire dans le dossier de sortie %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the text-to-speech engine %1 cannot be started (%2); install the Debian package espeak-ng</source>
        <translation>le moteur de synthèse vocale %1 ne peut pas être lancé (%2)&#xa0;; installez le paquet Debian espeak-ng</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>%1 did not finish within %2 seconds</source>
        <translation>%1 n&apos;a pas terminé en %2 secondes</translation>
    </message>
    <message>
        <source>%1 crashed</source>
        <translation>%1 a planté</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 a échoué</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Why a line of the word list gives no recording: it holds no word.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1 cannot be a file name</source>
        <translation>%1 ne peut pas être un nom de fichier</translation>
    </message>
    <message>
        <source>%1 has a slash, which no file name can hold</source>
        <translation>%1 contient une barre oblique, interdite dans un nom de fichier</translation>
    </message>
    <message>
        <source>has a NUL character, which no file name can hold</source>
        <translation>contient un caractère NUL, interdit dans un nom de fichier</translation>
    </message>
    <message>
        <source>%1 is too long for a file name</source>
        <translation>%1 est trop long pour un nom de fichier</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>%1 figure déjà à la ligne %2</translation>
    </message>
</context>
<context>
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>E-mail&#xa0;:</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.brindlecot.example&quot;&gt;https://www.brindlecot.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.brindlecot.example&quot;&gt;https://www.brindlecot.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Société&#xa0;:</translation>
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
        <translation>Dictionnaires</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Path of dictionary:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Open the dictionary&apos;s folder</source>
        <translation>Ouvrir le dossier du dictionnaire</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Make a dictionary from a word list, spoken by the computer</source>
        <translation>Créer un dictionnaire à partir d&apos;une liste de mots, lue par l&apos;ordinateur</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default dictionary cannot be deleted.</source>
        <translation>Le dictionnaire Default ne peut pas être supprimé.</translation>
    </message>
</context>
<context>
    <name>dlgMakeDictionary</name>
    <message>
        <source>Make dictionary</source>
        <translation>Créer un dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>e.g. French words</source>
        <translation>ex.&#xa0;: Mots d&apos;anglais</translation>
    </message>
    <message>
        <source>&amp;Put it in:</source>
        <translation>&amp;Placer dans&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the folder that takes the new dictionary</source>
        <translation>Choisir le dossier où placer le nouveau dictionnaire</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>&amp;Words, one word or phrase per line:</source>
        <translation>&amp;Un mot ou une expression par ligne&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Load word list...</source>
        <translation>Charger une &amp;liste...</translation>
    </message>
    <message>
        <source>Language and &amp;voice:</source>
        <translation>Langue et &amp;voix&#xa0;:</translation>
    </message>
    <message>
        <source>Wor&amp;ds per minute:</source>
        <translation>&amp;Mots par minute&#xa0;:</translation>
    </message>
    <message>
        <source>Speaks the first word with this voice and speed</source>
        <translation>Prononce le premier mot avec cette voix et ce débit</translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation>&amp;Essayer</translation>
    </message>
    <message>
        <source>&amp;Replace recordings</source>
        <translation>&amp;Remplacer les enregistrements</translation>
    </message>
    <message>
        <source>Speak again the words that already have a recording made here</source>
        <translation>Prononcer de nouveau les mots qui ont déjà un enregistrement fait ici</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Load word list</source>
        <translation>Charger une liste de mots</translation>
    </message>
    <message>
        <source>Word lists (*.txt);;All files (*)</source>
        <extracomment>The file chooser&apos;s filters; the patterns in brackets stay.</extracomment>
        <translation>Listes de mots (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>This word list cannot be loaded: %1</source>
        <translation>Impossible de charger cette liste de mots&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is larger than 4 MB</source>
        <translation>elle dépasse 4 Mo</translation>
    </message>
    <message>
        <source>Type a word first: Try speaks the first word of the list.</source>
        <translation>Tapez d&apos;abord un mot&#xa0;: Essayer prononce le premier mot de la liste.</translation>
    </message>
    <message>
        <source>The word cannot be spoken: %1.</source>
        <translation>Le mot ne peut pas être prononcé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The word list is empty. Type or paste the words, one per line, or load a word list.</source>
        <translation>La liste de mots est vide. Tapez ou collez les mots, un par ligne, ou chargez une liste de mots.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Making the recordings</source>
        <translation>Création des enregistrements</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours...</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A line of the word list that gives no recording, and why.</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The dictionary was not made: %1.</source>
        <translation>Le dictionnaire n&apos;a pas été créé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Stopped. The recording made in %1 so far stay there; Make again finishes the list, keeping them.</source>
        <translation>Arrêté. L&apos;enregistrement déjà fait dans %1 y reste&#xa0;; cliquez de nouveau sur Créer pour finir la liste en le gardant.</translation>
    </message>
    <message>
        <source>Stopped. The %1 recordings made in %2 so far stay there; Make again finishes the list, keeping them.</source>
        <translation>Arrêté. Les %1 enregistrements déjà faits dans %2 y restent&#xa0;; cliquez de nouveau sur Créer pour finir la liste en les gardant.</translation>
    </message>
    <message>
        <source>%1 recording</source>
        <translation>%1 enregistrement</translation>
    </message>
    <message>
        <source>%1 recordings</source>
        <translation>%1 enregistrements</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 ligne</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>Made %1, kept %2, skipped %3.</source>
        <extracomment>Made 2 recordings, kept 1 recording, skipped 0 lines.</extracomment>
        <translation>Créés&#xa0;: %1&#xa0;; conservés&#xa0;: %2&#xa0;; ignorées&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Made %1, kept %2, skipped %3; %4 could not be spoken.</source>
        <translation>Créés&#xa0;: %1&#xa0;; conservés&#xa0;: %2&#xa0;; ignorées&#xa0;: %3&#xa0;; impossibles à prononcer&#xa0;: %4.</translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation>%1 mot</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 mots</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Lignes ignorées&#xa0;:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Progress of the recordings: 3 of 40</extracomment>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>dlgProgress</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Score over time</source>
        <translation>Score au fil du temps</translation>
    </message>
    <message>
        <source>Each point is a stored test; hover over it for its date and score</source>
        <translation>Chaque point est une dictée&#xa0;; survolez-le pour voir sa date et son score</translation>
    </message>
    <message>
        <source>Where each dictionary stands</source>
        <translation>Où en est chaque dictionnaire</translation>
    </message>
    <message>
        <source>Your most frequent slips, last 30 days</source>
        <translation>Vos fautes les plus fréquentes sur 30 jours</translation>
    </message>
    <message>
        <source>Words to practise: the words most often wrong, worst first</source>
        <translation>Mots à réviser&#xa0;: les mots le plus souvent faux, les pires d&apos;abord</translation>
    </message>
    <message>
        <source>Words to practise</source>
        <translation>Mots à réviser</translation>
    </message>
    <message>
        <source>Untick a word to leave it out of the practice and the new dictionary</source>
        <translation>Décochez un mot pour l&apos;exclure de la révision et du nouveau dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Practise these</source>
        <translation>&amp;Réviser ces mots</translation>
    </message>
    <message>
        <source>Start a test of the ticked words</source>
        <translation>Démarrer une dictée des mots cochés</translation>
    </message>
    <message>
        <source>Name of the new dictionary</source>
        <translation>Nom du nouveau dictionnaire</translation>
    </message>
    <message>
        <source>Make a &amp;dictionary of these...</source>
        <translation>En faire un &amp;dictionnaire...</translation>
    </message>
    <message>
        <source>Copy the recordings of the ticked words into a new dictionary</source>
        <translation>Copier les enregistrements des mots cochés dans un nouveau dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>&amp;Exporter CSV</translation>
    </message>
    <message>
        <source>Save every answer as a table for a spreadsheet</source>
        <translation>Enregistrer toutes les réponses dans un tableau pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <extracomment>Among a word&apos;s misspellings: the answer was left empty</extracomment>
        <translation>(rien)</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Dictionnaire</translation>
    </message>
    <message>
        <source>New</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words never asked</extracomment>
        <translation>Nouveaux</translation>
    </message>
    <message>
        <source>Learning</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words under review</extracomment>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Known</source>
        <comment>words</comment>
        <extracomment>Column heading: a dictionary&apos;s words asked and not under review</extracomment>
        <translation>Acquis</translation>
    </message>
    <message>
        <source>Words never asked</source>
        <translation>Mots jamais demandés</translation>
    </message>
    <message>
        <source>Words missed and coming back for review</source>
        <translation>Mots ratés, qui reviennent en révision</translation>
    </message>
    <message>
        <source>Words asked and not under review</source>
        <translation>Mots demandés et hors révision</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Asked</source>
        <comment>times</comment>
        <translation>Demandé</translation>
    </message>
    <message>
        <source>Missed</source>
        <comment>times</comment>
        <translation>Raté</translation>
    </message>
    <message>
        <source>Misspelt as</source>
        <translation>Écrit comme</translation>
    </message>
    <message>
        <source>Last asked</source>
        <translation>Dernière fois</translation>
    </message>
    <message>
        <source>Next due</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Reading the history...</source>
        <translation>Lecture de l&apos;historique...</translation>
    </message>
    <message>
        <source>%1 new, %2 learning, %3 known</source>
        <translation>Nouveaux&#xa0;: %1, en cours&#xa0;: %2, acquis&#xa0;: %3</translation>
    </message>
    <message>
        <source>now</source>
        <comment>due</comment>
        <extracomment>When a word is next due: it is due already</extracomment>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>not under review</source>
        <translation>hors révision</translation>
    </message>
    <message>
        <source>No word of the selected dictionaries has been missed yet.</source>
        <translation>Aucun mot des dictionnaires cochés n&apos;a encore été raté.</translation>
    </message>
    <message>
        <source>There is no word history to read yet: it begins with your next test.</source>
        <translation>Il n&apos;y a pas encore d&apos;historique des mots&#xa0;: il commencera avec votre prochaine dictée.</translation>
    </message>
    <message>
        <source>No slips in the last 30 days.</source>
        <translation>Aucune faute ces 30 derniers jours.</translation>
    </message>
    <message>
        <source>once</source>
        <extracomment>How often a kind of slip was made</extracomment>
        <translation>1 fois</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 fois</translation>
    </message>
    <message>
        <source>Tick at least one word to practise.</source>
        <translation>Cochez au moins un mot à réviser.</translation>
    </message>
    <message>
        <source>Tick at least one word to put in the dictionary.</source>
        <translation>Cochez au moins un mot à mettre dans le dictionnaire.</translation>
    </message>
    <message>
        <source>There is a folder %1 already. Give the new dictionary another name.</source>
        <translation>Le dossier %1 existe déjà. Donnez un autre nom au nouveau dictionnaire.</translation>
    </message>
    <message>
        <source>The dictionary was not made: %1 cannot be made.</source>
        <translation>Le dictionnaire n&apos;a pas été créé&#xa0;: impossible de créer %1.</translation>
    </message>
    <message>
        <source>The dictionary was not made: none of these words has a recording that could be copied.</source>
        <translation>Le dictionnaire n&apos;a pas été créé&#xa0;: aucun de ces mots n&apos;a d&apos;enregistrement à copier.</translation>
    </message>
    <message>
        <source>Made the dictionary %1 with %2 in %3; it is listed and ticked.</source>
        <extracomment>%1 is the new dictionary&apos;s name, %2 how many recordings (&quot;1 recording&quot;, &quot;5 recordings&quot;), %3 a folder</extracomment>
        <translation>Le dictionnaire %1 a été créé avec %2 dans %3&#xa0;; il est dans la liste, coché.</translation>
    </message>
    <message>
        <source>1 recording</source>
        <translation>1 enregistrement</translation>
    </message>
    <message>
        <source>%1 recordings</source>
        <translation>%1 enregistrements</translation>
    </message>
    <message>
        <source>1 word</source>
        <translation>1 mot</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 mots</translation>
    </message>
    <message>
        <source>%1 had no recording to copy.</source>
        <extracomment>%1 is how many words (&quot;1 word&quot;, &quot;3 words&quot;)</extracomment>
        <translation>Sans enregistrement à copier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>The answers were not saved: %1 cannot be written.</source>
        <translation>Les réponses n&apos;ont pas été enregistrées&#xa0;: impossible d&apos;écrire %1.</translation>
    </message>
</context>
<context>
    <name>dlgSettings</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Test &amp;number:</source>
        <translation>&amp;Longueur&#xa0;:</translation>
    </message>
    <message>
        <source>Check for &amp;updates</source>
        <translation>&amp;Vérifier les mises à jour</translation>
    </message>
    <message>
        <source>(maximum is 10 000)</source>
        <translation>(10 000 au maximum)</translation>
    </message>
    <message>
        <source>Show &amp;tips at startup</source>
        <translation>Afficher les as&amp;tuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Remember words between tests</source>
        <translation>&amp;Retenir les mots d&apos;une dictée à l&apos;autre</translation>
    </message>
    <message>
        <source>Off: cafe is right for café, Munchen for München</source>
        <translation>Décoché&#xa0;: cafe est juste pour café, Munchen pour München</translation>
    </message>
    <message>
        <source>&amp;Accents must be right</source>
        <translation>Les &amp;accents comptent</translation>
    </message>
    <message>
        <source>On: london is wrong for London</source>
        <translation>Coché&#xa0;: paris est faux pour Paris</translation>
    </message>
    <message>
        <source>&amp;Capitals must be right</source>
        <translation>Les &amp;majuscules comptent</translation>
    </message>
</context>
<context>
    <name>dlgStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Stored tests</source>
        <translation>Dictées passées</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Tip: Show statistics by double click.</source>
        <translation>Astuce&#xa0;: un double-clic affiche la dictée.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Export to HTML</source>
        <translation>&amp;Exporter HTML</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>&amp;Correct</source>
        <translation>&amp;Justes</translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <translation>&amp;Faux</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Traitement en cours...</translation>
    </message>
    <message>
        <source>HTML document (*.html)</source>
        <translation>Document HTML (*.html)</translation>
    </message>
    <message>
        <source>The report was not saved: %1 cannot be written.</source>
        <translation>Le rapport n&apos;a pas été enregistré&#xa0;: impossible d&apos;écrire %1.</translation>
    </message>
</context>
<context>
    <name>dlgTips</name>
    <message>
        <source>Tips</source>
        <translation>Astuces</translation>
    </message>
    <message>
        <source>Create your own words</source>
        <translation>Créez vos propres mots</translation>
    </message>
    <message>
        <source>&amp;Do not show again</source>
        <translation>&amp;Ne plus afficher</translation>
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
        <translation>Gratuit</translation>
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
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>New version available. Would you like to download it.</source>
        <translation>Nouvelle version disponible. Voulez-vous la télécharger&#xa0;?</translation>
    </message>
    <message>
        <source>You are using the latest version of Brindlecot Quillora.</source>
        <translation>Vous utilisez la dernière version de Brindlecot Quillora.</translation>
    </message>
    <message>
        <source>Service is currently unavailable.</source>
        <translation>Le service est indisponible pour le moment.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
</context>
<context>
    <name>newdictionary</name>
    <message>
        <source>Put the dictionary in</source>
        <translation>Placer le dictionnaire dans</translation>
    </message>
    <message>
        <source>Give the dictionary a name; it becomes a folder&apos;s name, so it cannot hold &quot;/&quot; or be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Donnez un nom au dictionnaire&#xa0;; il devient le nom d&apos;un dossier, il ne peut donc pas contenir «&#xa0;/&#xa0;» ni être «&#xa0;.&#xa0;» ou «&#xa0;..&#xa0;».</translation>
    </message>
</context>
</TS>
