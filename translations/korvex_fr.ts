<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Die: %1, held</source>
        <translation>Dé : %1, gardé</translation>
    </message>
    <message>
        <source>Die: %1</source>
        <translation>Dé : %1</translation>
    </message>
    <message>
        <source>Die %1: %2, held</source>
        <translation>Dé %1 : %2, gardé</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dé %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score box read aloud: its row&apos;s caption and its score, &quot;Fours: 12&quot;.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <translation>Lancer %1</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <translation>Icône de %1</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Ones</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grande suite</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>Advice begins with the first roll.</source>
        <translation>Les conseils commencent au premier lancer.</translation>
    </message>
    <message>
        <source>The game is over.</source>
        <translation>La partie est terminée.</translation>
    </message>
    <message>
        <source>No advice on a forced roll.</source>
        <translation>Pas de conseil sur un lancer forcé.</translation>
    </message>
    <message>
        <source>Working out the best play…</source>
        <translation>Calcul du meilleur coup…</translation>
    </message>
    <message>
        <source>Expected final total with best play: %1</source>
        <translation>Total final attendu en jouant au mieux : %1</translation>
    </message>
    <message>
        <source>Your last choice gave up %1 points.</source>
        <translation>Votre dernier choix a coûté %1 points.</translation>
    </message>
    <message>
        <source>Given up this game: %1 points.</source>
        <translation>Perdu dans cette partie : %1 points.</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Relancer les cinq dés</translation>
    </message>
    <message>
        <source>Hold %1 and roll</source>
        <extracomment>%1 is the faces to hold, e.g. &quot;4 4 4&quot;.</extracomment>
        <translation>Garder %1 et relancer</translation>
    </message>
    <message>
        <source>Score %1 for %2</source>
        <extracomment>%1 is a category of the card, %2 the points it gives now.</extracomment>
        <translation>Marquer %2 en %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>You must choose an item to score.</source>
        <translation>Vous devez choisir une case à marquer.</translation>
    </message>
    <message>
        <source>Scoring Error</source>
        <translation>Erreur de score</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>START</source>
        <extracomment>Shown in capitals, framed in red, until the first roll of a game.</extracomment>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Save Score &amp;&amp; Roll Again</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. Records the chosen category and rolls for the next turn.</extracomment>
        <translation>Marquer &amp;&amp; relancer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>Ones:</source>
        <translation>As :</translation>
    </message>
    <message>
        <source>Twos:</source>
        <translation>Deux :</translation>
    </message>
    <message>
        <source>Threes:</source>
        <translation>Trois :</translation>
    </message>
    <message>
        <source>Fours:</source>
        <translation>Quatre :</translation>
    </message>
    <message>
        <source>Fives:</source>
        <translation>Cinq :</translation>
    </message>
    <message>
        <source>Sixes:</source>
        <translation>Six :</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Brelan :</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Carré :</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full :</translation>
    </message>
    <message>
        <source>Small Straight:</source>
        <translation>Petite suite :</translation>
    </message>
    <message>
        <source>Large Straight:</source>
        <translation>Grande suite :</translation>
    </message>
    <message>
        <source>Korvex:</source>
        <extracomment>Five of a kind. Korvex is the game&apos;s own name: the same in every language.</extracomment>
        <translation>Korvex :</translation>
    </message>
    <message>
        <source>Chance:</source>
        <translation>Chance :</translation>
    </message>
    <message>
        <source>Subtotal:</source>
        <translation>Sous-total :</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Prime :</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Select which dice you want to keep...</source>
        <translation>Choisissez les dés à garder...</translation>
    </message>
    <message>
        <source>Roll Number:</source>
        <translation>Lancer n° :</translation>
    </message>
    <message>
        <source>Help/</source>
        <extracomment>Read together with the &quot;About&quot; link below it: &quot;Help/ About&quot;.</extracomment>
        <translation>Aide/</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>keep</source>
        <extracomment>Under a die that the coach would keep for the next roll.</extracomment>
        <translation>garder</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>June 17, 2005</source>
        <extracomment>The date of the release, written as dates are in your language.</extracomment>
        <translation>17 juin 2005</translation>
    </message>
    <message>
        <source>Ones</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Adds all dice showing one pip</source>
        <translation>Somme des dés montrant 1</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Adds all dice showing two pips</source>
        <translation>Somme des dés montrant 2</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Adds all dice showing three pips</source>
        <translation>Somme des dés montrant 3</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Adds all dice showing four pips</source>
        <translation>Somme des dés montrant 4</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Adds all dice showing five pips</source>
        <translation>Somme des dés montrant 5</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Adds all dice showing six pips</source>
        <translation>Somme des dés montrant 6</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Prime</translation>
    </message>
    <message>
        <source>35 pts. are automatically added when the left column totals 63+</source>
        <translation>35 pts ajoutés d’office si la colonne de gauche atteint 63+</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Adds all dice if three are the same</source>
        <translation>Somme des dés si 3 identiques</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Adds all dice if four are the same</source>
        <translation>Somme des dés si 4 identiques</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>25 pts.</source>
        <translation>25 pts</translation>
    </message>
    <message>
        <source>Small Straight</source>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>30 pts.</source>
        <translation>30 pts</translation>
    </message>
    <message>
        <source>Large Straight</source>
        <translation>Grande suite</translation>
    </message>
    <message>
        <source>40 pts.</source>
        <translation>40 pts</translation>
    </message>
    <message>
        <source>50 pts. (100 pts. for each additional)</source>
        <translation>50 pts (100 pts pour chaque suivant)</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Adds all dice (no restrictions)</source>
        <translation>Somme des dés (sans condition)</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Barème</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmGetName</name>
    <message>
        <source>New High Score</source>
        <translation>Nouveau record</translation>
    </message>
    <message>
        <source>Enter your initials:</source>
        <translation>Vos initiales :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmHiScores</name>
    <message>
        <source>High Scores</source>
        <translation>Palmarès</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Clear High Scores</source>
        <translation>Effacer le palmarès</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all high scores from the list?</source>
        <translation>Voulez-vous vraiment effacer tous les scores du palmarès ?</translation>
    </message>
    <message>
        <source>Confirm Deletions</source>
        <translation>Confirmer l’effacement</translation>
    </message>
</context>
<context>
    <name>modHiScores</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The high score stored under key %1 could not be read; it is shown as ??? with a score of 0.</source>
        <translation>Le score enregistré sous la clé %1 n’a pas pu être lu ; il est affiché comme ??? avec un score de 0.</translation>
    </message>
    <message>
        <source>The high score stored under keys %1 could not be read; they are shown as ??? with a score of 0.</source>
        <translation>Les scores enregistrés sous les clés %1 n’ont pas pu être lus ; ils sont affichés comme ??? avec un score de 0.</translation>
    </message>
    <message>
        <source>The new high score is kept while Korvex runs; it is saved again when High Scores is opened or the game is closed.</source>
        <translation>Le nouveau record est conservé tant que Korvex est ouvert ; il sera enregistré de nouveau à l’ouverture du palmarès ou à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be written. Check that its folder exists and may be written.</source>
        <translation>Le fichier des scores %1 n’a pas pu être écrit. Vérifiez que son dossier existe et est accessible en écriture.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be read. Check that it is a file that may be read.</source>
        <translation>Le fichier des scores %1 n’a pas pu être lu. Vérifiez qu’il s’agit d’un fichier lisible.</translation>
    </message>
    <message>
        <source>The high-score file %1 is damaged; only part of it could be read.</source>
        <translation>Le fichier des scores %1 est endommagé ; seule une partie a pu être lue.</translation>
    </message>
    <message>
        <source>A copy of the damaged high-score file could not be kept as %1, so the file was left as it is.</source>
        <translation>Une copie du fichier des scores endommagé n’a pas pu être conservée sous %1 ; le fichier a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>The folder %1 for the high-score file could not be created.</source>
        <translation>Le dossier %1 du fichier des scores n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>Another copy of Korvex is saving its high scores.</source>
        <translation>Une autre instance de Korvex enregistre ses scores.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked for writing. Check that its folder may be written.</source>
        <translation>Le fichier des scores %1 n’a pas pu être verrouillé pour l’écriture. Vérifiez que son dossier est accessible en écriture.</translation>
    </message>
</context>
</TS>
