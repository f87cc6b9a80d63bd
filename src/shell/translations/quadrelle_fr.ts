<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Quadrelle</name>
    <message>
        <source>Duplicate value in cell</source>
        <translation>Valeur en double dans la case</translation>
    </message>
    <message>
        <source>Contradiction between cells</source>
        <translation>Contradiction entre les cases</translation>
    </message>
    <message>
        <source>Puzzle row %1 column %2</source>
        <translation>Grille, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Solution row %1 column %2</source>
        <translation>Solution, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Printer error: no default printer is set up</source>
        <translation>Erreur d’imprimante&#xa0;: aucune imprimante par défaut n’est configurée</translation>
    </message>
    <message>
        <source>Printer error: the printing system cannot be reached at %1</source>
        <translation>Erreur d’imprimante&#xa0;: le système d’impression est injoignable à l’adresse %1</translation>
    </message>
    <message>
        <source>Printer error: &quot;%1&quot; did not take the document</source>
        <translation>Erreur d’imprimante&#xa0;: «&#xa0;%1&#xa0;» n’a pas accepté le document</translation>
    </message>
    <message>
        <source>Printer error: &quot;%1&quot; is not accepting jobs</source>
        <translation>Erreur d’imprimante&#xa0;: «&#xa0;%1&#xa0;» n’accepte pas de travaux</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Erreur d’imprimante</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Could not find a solution within reasonable<byte value="xd"/>
time -- and I&apos;m pretty sure there is none.</source>
        <translation>Aucune solution trouvée en un temps raisonnable<byte value="xd"/>
– et je suis presque sûr qu’il n’y en a pas.</translation>
    </message>
    <message>
        <source>Sorry...</source>
        <translation>Désolé…</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Done scanning but no solution was found.</source>
        <translation>Recherche terminée, mais aucune solution n’a été trouvée.</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Start Solving</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Imprimer la grille</translation>
    </message>
    <message>
        <source>Print Solution</source>
        <translation>Imprimer la solution</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d’écran de ce message par e-mail à %1</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Quadrelle opens one puzzle or puzzle file at a time, not %1.</source>
        <translation>Quadrelle ouvre une seule grille ou un seul fichier de grilles à la fois, pas %1.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>%1 is not a puzzle: %2</source>
        <translation>%1 n’est pas une grille&#xa0;: %2</translation>
    </message>
    <message>
        <source>The first MiB of %1 holds no puzzle line.</source>
        <translation>Le premier Mio de %1 ne contient aucune ligne de grille.</translation>
    </message>
    <message>
        <source>%1 holds no puzzle line.</source>
        <translation>%1 ne contient aucune ligne de grille.</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>La ligne %1 de %2</translation>
    </message>
    <message>
        <source>Line %1, column %2 of %3</source>
        <translation>La ligne %1, colonne %2 de %3</translation>
    </message>
    <message>
        <source>the game&apos;s data is not 81 digits.</source>
        <translation>les données de la partie ne sont pas 81 chiffres.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a puzzle file.</source>
        <translation>%1 est un dossier, pas un fichier de grilles.</translation>
    </message>
    <message>
        <source>it is %1, not a puzzle file</source>
        <translation>c’est %1, pas un fichier de grilles</translation>
    </message>
    <message>
        <source>it is no longer a regular file</source>
        <translation>ce n’est plus un fichier ordinaire</translation>
    </message>
    <message>
        <source>it has %1 characters, a puzzle has 81.</source>
        <translation>il y a %1 caractères, une grille en a 81.</translation>
    </message>
    <message>
        <source>character %1 is &quot;%2&quot;; a puzzle has only 1 to 9, 0 and &quot;.&quot;.</source>
        <translation>le caractère %1 est «&#xa0;%2&#xa0;»&#xa0;; une grille ne contient que 1 à 9, 0 et «&#xa0;.&#xa0;».</translation>
    </message>
    <message>
        <source>it goes on after 81 characters without a space, tab, comma, colon or semicolon.</source>
        <translation>le texte continue après 81 caractères sans espace, tabulation, virgule, deux-points ni point-virgule.</translation>
    </message>
    <message>
        <source>Invalid skin: not a style sheet</source>
        <translation>Thème non valide&#xa0;: ce n’est pas une feuille de style</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d’accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>Skin file too large</source>
        <translation>Fichier de thème trop volumineux</translation>
    </message>
    <message>
        <source>Skin not loaded</source>
        <translation>Thème non chargé</translation>
    </message>
    <message>
        <source>Quadrelle Sudoku Suite</source>
        <translation>Quadrelle Sudoku Suite</translation>
    </message>
    <message>
        <source>in %1 </source>
        <translation>dans %1 </translation>
    </message>
    <message>
        <source>grid row %1 has %2 cells, not 9</source>
        <translation>la ligne %1 de la grille a %2 cases au lieu de 9</translation>
    </message>
    <message>
        <source>a blank line after grid row %1 of 9</source>
        <translation>une ligne vide après la ligne %1 sur 9 de la grille</translation>
    </message>
    <message>
        <source>a box border after grid row %1 of 9</source>
        <translation>une bordure de bloc après la ligne %1 sur 9 de la grille</translation>
    </message>
    <message>
        <source>the grid ends after 1 row; a grid has 9</source>
        <translation>la grille s’arrête après 1 ligne&#xa0;; une grille en a 9</translation>
    </message>
    <message>
        <source>the grid ends after %1 rows; a grid has 9</source>
        <translation>la grille s’arrête après %1 lignes&#xa0;; une grille en a 9</translation>
    </message>
    <message>
        <source>the file is not well-formed XML</source>
        <translation>le fichier n’est pas du XML bien formé</translation>
    </message>
    <message>
        <source>grid row %1: &quot;%2&quot; is neither a digit nor a blank</source>
        <translation>ligne %1 de la grille&#xa0;: «&#xa0;%2&#xa0;» n’est ni un chiffre ni une case vide</translation>
    </message>
    <message>
        <source>grid row %1: byte 0x%2 is neither a digit nor a blank</source>
        <translation>ligne %1 de la grille&#xa0;: l’octet 0x%2 n’est ni un chiffre ni une case vide</translation>
    </message>
    <message>
        <source>The text holds no puzzle: no line of 81 cells and no grid of 9 rows of 9.</source>
        <translation>Le texte ne contient aucune grille&#xa0;: ni ligne de 81 cases, ni grille de 9 lignes de 9.</translation>
    </message>
    <message>
        <source>The text holds no puzzle: %1.</source>
        <translation>Le texte ne contient aucune grille&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The clipboard is empty.</source>
        <translation>Le presse-papiers est vide.</translation>
    </message>
    <message>
        <source>The clipboard holds a picture, not the text of a puzzle.</source>
        <translation>Le presse-papiers contient une image, pas le texte d’une grille.</translation>
    </message>
    <message>
        <source>The clipboard holds no text.</source>
        <translation>Le presse-papiers ne contient pas de texte.</translation>
    </message>
    <message>
        <source>The clipboard holds more than a MiB of text; a puzzle is much shorter.</source>
        <translation>Le presse-papiers contient plus d’un Mio de texte&#xa0;; une grille est bien plus courte.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text is blank.</source>
        <translation>Le texte du presse-papiers est vide.</translation>
    </message>
    <message>
        <source>Rating the puzzle…</source>
        <translation>Évaluation de la grille…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Next Puzzle</source>
        <translation>Grille &amp;suivante</translation>
    </message>
    <message>
        <source>P&amp;revious Puzzle</source>
        <translation>Grille &amp;précédente</translation>
    </message>
    <message>
        <source>Save Puzzle &amp;As…</source>
        <translation>E&amp;nregistrer la grille sous…</translation>
    </message>
    <message>
        <source>&amp;Print Puzzle</source>
        <translation>&amp;Imprimer la grille</translation>
    </message>
    <message>
        <source>Print &amp;Solution</source>
        <translation>Imprimer la so&amp;lution</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy Puzzle</source>
        <translation>&amp;Copier la grille</translation>
    </message>
    <message>
        <source>Copy &amp;Solution</source>
        <translation>Copier la &amp;solution</translation>
    </message>
    <message>
        <source>&amp;Paste Puzzle</source>
        <translation>C&amp;oller une grille</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>&amp;About Quadrelle</source>
        <translation>&amp;À propos de Quadrelle</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 — puzzle %2 of %3 — %4</source>
        <translation>%1 — grille %2 sur %3 — %4</translation>
    </message>
    <message>
        <source>Puzzle files (*.sdk *.sdm *.ss *.txt *.csv *.opensudoku *.xml)</source>
        <translation>Fichiers de grilles (*.sdk *.sdm *.ss *.txt *.csv *.opensudoku *.xml)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Puzzle</source>
        <translation>Ouvrir une grille</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Puzzle line (*.txt *.sdm)</source>
        <translation>Grille sur une ligne (*.txt *.sdm)</translation>
    </message>
    <message>
        <source>SadMan Sudoku (*.sdk)</source>
        <translation>SadMan Sudoku (*.sdk)</translation>
    </message>
    <message>
        <source>Save Puzzle As</source>
        <translation>Enregistrer la grille sous</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d’écrire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>There is no solution to copy yet: Start Solving finds it.</source>
        <translation>Il n’y a pas encore de solution à copier&#xa0;: «&#xa0;Résoudre&#xa0;» la trouve.</translation>
    </message>
    <message>
        <source>%1, version %2<byte value="xd"/><byte value="xd"/>Solves, counts and rates Sudoku puzzles.<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>%1, version %2<byte value="xd"/><byte value="xd"/>Résout, compte et évalue les grilles de sudoku.<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>No solution</source>
        <translation>Aucune solution</translation>
    </message>
    <message>
        <source>Several solutions</source>
        <translation>Plusieurs solutions</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Une solution</translation>
    </message>
    <message>
        <source>One solution · at least %1 %2</source>
        <translation>Une solution · au moins %1 %2</translation>
    </message>
    <message>
        <source>One solution · %1 %2</source>
        <translation>Une solution · %1 %2</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>No hint: the puzzle has no solution.</source>
        <translation>Pas d’indice&#xa0;: la grille n’a aucune solution.</translation>
    </message>
    <message>
        <source>No hint: the puzzle has several solutions.</source>
        <translation>Pas d’indice&#xa0;: la grille a plusieurs solutions.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>La grille est résolue.</translation>
    </message>
    <message>
        <source>&amp;New Puzzle</source>
        <translation>&amp;Nouvelle grille</translation>
    </message>
    <message>
        <source>New Puzzle &amp;At</source>
        <translation>Nouvelle grille de ni&amp;veau</translation>
    </message>
    <message>
        <source>&amp;%1 %2 (%3 to %4)</source>
        <translation>&amp;%1 %2 (%3 à %4)</translation>
    </message>
    <message>
        <source>&amp;Stop Making the Puzzle</source>
        <translation>&amp;Arrêter la création de la grille</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Fiendish</source>
        <translation>Redoutable</translation>
    </message>
    <message>
        <source>Diabolical</source>
        <translation>Diabolique</translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation>Extrême</translation>
    </message>
    <message>
        <source>Making a new %1 puzzle…  %2 stops.</source>
        <translation>Création d’une nouvelle grille (%1)…  %2 l’arrête.</translation>
    </message>
    <message>
        <source>No new puzzle: stopped.</source>
        <translation>Pas de nouvelle grille&#xa0;: création arrêtée.</translation>
    </message>
    <message>
        <source>Solving Path</source>
        <translation>Chemin de résolution</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Working out the steps…</source>
        <translation>Calcul des étapes…</translation>
    </message>
    <message>
        <source>Steps: %1. Choose one to see it on the board.</source>
        <translation>Étapes&#xa0;: %1. Choisissez-en une pour la voir sur la grille.</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <translation>%1. %2 (%3)</translation>
    </message>
    <message>
        <source>The puzzle changed: choose Explain again.</source>
        <translation>La grille a changé&#xa0;: choisissez à nouveau Expliquer.</translation>
    </message>
    <message>
        <source>Show &amp;Candidates</source>
        <translation>Afficher les &amp;candidats</translation>
    </message>
    <message>
        <source>&amp;Explain…</source>
        <translation>E&amp;xpliquer…</translation>
    </message>
    <message>
        <source>Chec&amp;k Where Solutions Differ</source>
        <translation>Vérifier où les solutions &amp;diffèrent</translation>
    </message>
    <message>
        <source>Looking for the next step…</source>
        <translation>Recherche de l’étape suivante…</translation>
    </message>
    <message>
        <source>Struck out the candidates; Hint again for the next step.</source>
        <translation>Candidats éliminés&#xa0;; Indice à nouveau pour l’étape suivante.</translation>
    </message>
    <message>
        <source>Struck out the candidates; %1 shows those left.</source>
        <translation>Candidats éliminés&#xa0;; %1 affiche ceux qui restent.</translation>
    </message>
    <message>
        <source>Two solutions differ in %1 boxes: %2</source>
        <translation>Deux solutions diffèrent dans %1 cases&#xa0;: %2</translation>
    </message>
    <message>
        <source>No hint: no step found within the effort.</source>
        <translation>Pas d’indice&#xa0;: aucune étape trouvée dans la limite de l’effort.</translation>
    </message>
    <message>
        <source>Hidden Single (box)</source>
        <translation>Singleton caché (bloc)</translation>
    </message>
    <message>
        <source>Hidden Single (line)</source>
        <translation>Singleton caché (ligne)</translation>
    </message>
    <message>
        <source>Direct Pointing</source>
        <translation>Pointage direct</translation>
    </message>
    <message>
        <source>Direct Claiming</source>
        <translation>Revendication directe</translation>
    </message>
    <message>
        <source>Direct Hidden Pair</source>
        <translation>Paire cachée directe</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Singleton nu</translation>
    </message>
    <message>
        <source>Direct Hidden Triple</source>
        <translation>Triplet caché direct</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Revendication</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>Paire nue</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Paire cachée</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Triplet nu</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Espadon</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Triplet caché</translation>
    </message>
    <message>
        <source>Turbot Fish</source>
        <translation>Poisson turbot</translation>
    </message>
    <message>
        <source>XY-Wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>Unique Rectangle</source>
        <translation>Rectangle unique</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Quadruplet nu</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Méduse</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>Quadruplet caché</translation>
    </message>
    <message>
        <source>Three Strong Links</source>
        <translation>Trois liens forts</translation>
    </message>
    <message>
        <source>WXYZ-Wing</source>
        <translation>WXYZ-Wing</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave</source>
        <translation>Tombeau universel bivalué (BUG)</translation>
    </message>
    <message>
        <source>Aligned Pair Exclusion</source>
        <translation>Exclusion de paires alignées</translation>
    </message>
    <message>
        <source>VWXYZ-Wing</source>
        <translation>VWXYZ-Wing</translation>
    </message>
    <message>
        <source>Forcing Chains and Cycles</source>
        <translation>Chaînes et cycles forcés</translation>
    </message>
    <message>
        <source>Aligned Triple Exclusion</source>
        <translation>Exclusion de triplets alignés</translation>
    </message>
    <message>
        <source>Nishio Forcing Chains</source>
        <translation>Chaînes forcées de Nishio</translation>
    </message>
    <message>
        <source>Multiple Forcing Chains</source>
        <translation>Chaînes forcées multiples</translation>
    </message>
    <message>
        <source>Dynamic Forcing Chains</source>
        <translation>Chaînes forcées dynamiques</translation>
    </message>
    <message>
        <source>Dynamic Forcing Chains (+)</source>
        <translation>Chaînes forcées dynamiques (+)</translation>
    </message>
    <message>
        <source>Nested Forcing Chains</source>
        <translation>Chaînes forcées imbriquées</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>bloc %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Hidden single in %1: %2 can only be %3</source>
        <translation>Singleton caché dans %1&#xa0;: %2 ne peut être que %3</translation>
    </message>
    <message>
        <source>Naked single: %1 can only be %2</source>
        <translation>Singleton nu&#xa0;: %1 ne peut être que %2</translation>
    </message>
    <message>
        <source>%1: removes %2</source>
        <translation>%1&#xa0;: élimine %2</translation>
    </message>
    <message>
        <source>%1: %2, and removes %3</source>
        <translation>%1&#xa0;: %2, et élimine %3</translation>
    </message>
    <message>
        <source>1 to 9: enter a digit; Delete: empty the box<byte value="xd"/>Arrow keys: move between the boxes; Tab, Shift+Tab: move through the window<byte value="xd"/>%1: open a puzzle file; Page Down, Page Up: its next and previous puzzle<byte value="xd"/>%2: save the puzzle; %3: print the puzzle<byte value="xd"/>%4: copy the puzzle; %5: copy the solution; %6: paste a puzzle<byte value="xd"/>Ctrl+H: a hint on the board, Ctrl+H again applies it; Ctrl+M: show the candidates<byte value="xd"/>Ctrl+E: explain the solving path; Ctrl+K: where two solutions differ; Ctrl+N: a new puzzle, Esc stops it<byte value="xd"/>Alt and an underlined letter: a menu<byte value="xd"/>%7: quit</source>
        <translation>1 à 9&#xa0;: saisir un chiffre&#xa0;; Suppr&#xa0;: vider la case<byte value="xd"/>Flèches&#xa0;: passer d’une case à l’autre&#xa0;; Tab, Maj+Tab&#xa0;: parcourir la fenêtre<byte value="xd"/>%1&#xa0;: ouvrir un fichier de grilles&#xa0;; Page suivante, Page précédente&#xa0;: sa grille suivante et précédente<byte value="xd"/>%2&#xa0;: enregistrer la grille&#xa0;; %3&#xa0;: imprimer la grille<byte value="xd"/>%4&#xa0;: copier la grille&#xa0;; %5&#xa0;: copier la solution&#xa0;; %6&#xa0;: coller une grille<byte value="xd"/>Ctrl+H&#xa0;: un indice sur la grille, Ctrl+H à nouveau l’applique&#xa0;; Ctrl+M&#xa0;: afficher les candidats<byte value="xd"/>Ctrl+E&#xa0;: expliquer le chemin de résolution&#xa0;; Ctrl+K&#xa0;: où deux solutions diffèrent&#xa0;; Ctrl+N&#xa0;: une nouvelle grille, Échap l’arrête<byte value="xd"/>Alt et une lettre soulignée&#xa0;: un menu<byte value="xd"/>%7&#xa0;: quitter</translation>
    </message>
    <message>
        <source>Bidirectional Cycle</source>
        <translation>Cycle bidirectionnel</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave type 1</source>
        <translation>Tombeau universel bivalué (BUG) type 1</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave type 2</source>
        <translation>Tombeau universel bivalué (BUG) type 2</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave type 3</source>
        <translation>Tombeau universel bivalué (BUG) type 3</translation>
    </message>
    <message>
        <source>Bivalue Universal Grave type 4</source>
        <translation>Tombeau universel bivalué (BUG) type 4</translation>
    </message>
    <message>
        <source>Cell Forcing Chains</source>
        <translation>Chaînes forcées de cellule</translation>
    </message>
    <message>
        <source>Contradiction Forcing Chains</source>
        <translation>Chaînes forcées par contradiction</translation>
    </message>
    <message>
        <source>Double Forcing Chains</source>
        <translation>Chaînes forcées doubles</translation>
    </message>
    <message>
        <source>Region Forcing Chains</source>
        <translation>Chaînes forcées de région</translation>
    </message>
    <message>
        <source>Dynamic Cell Forcing Chains</source>
        <translation>Chaînes forcées dynamiques de cellule</translation>
    </message>
    <message>
        <source>Dynamic Contradiction Forcing Chains</source>
        <translation>Chaînes forcées dynamiques par contradiction</translation>
    </message>
    <message>
        <source>Dynamic Double Forcing Chains</source>
        <translation>Chaînes forcées dynamiques doubles</translation>
    </message>
    <message>
        <source>Dynamic Region Forcing Chains</source>
        <translation>Chaînes forcées dynamiques de région</translation>
    </message>
    <message>
        <source>Dynamic Cell Forcing Chains (+)</source>
        <translation>Chaînes forcées dynamiques de cellule (+)</translation>
    </message>
    <message>
        <source>Dynamic Contradiction Forcing Chains (+)</source>
        <translation>Chaînes forcées dynamiques par contradiction (+)</translation>
    </message>
    <message>
        <source>Dynamic Double Forcing Chains (+)</source>
        <translation>Chaînes forcées dynamiques doubles (+)</translation>
    </message>
    <message>
        <source>Dynamic Region Forcing Chains (+)</source>
        <translation>Chaînes forcées dynamiques de région (+)</translation>
    </message>
    <message>
        <source>Forcing Chain</source>
        <translation>Chaîne forcée</translation>
    </message>
    <message>
        <source>Unique Loop type 1</source>
        <translation>Boucle unique type 1</translation>
    </message>
    <message>
        <source>Unique Loop type 2</source>
        <translation>Boucle unique type 2</translation>
    </message>
    <message>
        <source>Unique Loop type 3</source>
        <translation>Boucle unique type 3</translation>
    </message>
    <message>
        <source>Unique Loop type 4</source>
        <translation>Boucle unique type 4</translation>
    </message>
    <message>
        <source>Unique Rectangle type 1</source>
        <translation>Rectangle unique type 1</translation>
    </message>
    <message>
        <source>Unique Rectangle type 2</source>
        <translation>Rectangle unique type 2</translation>
    </message>
    <message>
        <source>Unique Rectangle type 3</source>
        <translation>Rectangle unique type 3</translation>
    </message>
    <message>
        <source>Unique Rectangle type 4</source>
        <translation>Rectangle unique type 4</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X-Chaîne</translation>
    </message>
    <message>
        <source>X-Cycle</source>
        <translation>X-Cycle</translation>
    </message>
    <message>
        <source>Y-Cycle</source>
        <translation>Y-Cycle</translation>
    </message>
    <message>
        <source>%1 in %2: removes %3</source>
        <translation>%1 dans %2&#xa0;: élimine %3</translation>
    </message>
</context>
</TS>
