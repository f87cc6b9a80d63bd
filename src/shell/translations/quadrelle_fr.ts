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
</context>
</TS>
