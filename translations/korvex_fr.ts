<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Die: %1</source>
        <translation>Dé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A score box read aloud: its row&apos;s caption and its score, &quot;Fours: 12&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Roll %1</source>
        <extracomment>The roll indicator: which roll of the turn this is.</extracomment>
        <translation>Lancer %1</translation>
    </message>
    <message>
        <source>%1 icon</source>
        <extracomment>The game&apos;s icon in the About window; %1 is the game&apos;s name.</extracomment>
        <translation>Icône de %1</translation>
    </message>
    <message>
        <source>%1: %2 if scored now</source>
        <extracomment>A score box showing what the dice would score there: &quot;Ones: 2 if scored now&quot;.</extracomment>
        <translation>%1&#xa0;: %2 si marqué maintenant</translation>
    </message>
</context>
<context>
    <name>Category</name>
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
        <source>Korvex</source>
        <translation>Korvex</translation>
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
        <translation>Total final attendu en jouant au mieux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your last choice gave up %1 points.</source>
        <translation>Votre dernier choix a coûté %1 points.</translation>
    </message>
    <message>
        <source>Given up this game: %1 points.</source>
        <translation>Perdu dans cette partie&#xa0;: %1 points.</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Relancer les cinq dés</translation>
    </message>
    <message>
        <source>Hold %1 and roll</source>
        <extracomment>%1 is the dice to hold, e.g. &quot;4 4 4&quot;.</extracomment>
        <translation>Garder %1 et relancer</translation>
    </message>
    <message>
        <source>Score %1 for %2</source>
        <extracomment>%1 is a category of the card, %2 the points it gives now.</extracomment>
        <translation>Marquer %2 en %1</translation>
    </message>
    <message>
        <source>Roll all five again (release the %1)</source>
        <extracomment>%1 is the one die to let go of, &quot;3&quot;.</extracomment>
        <translation>Relancer les cinq dés (lâcher le %1)</translation>
    </message>
    <message>
        <source>Roll all five again (release the %1 and %2)</source>
        <extracomment>%1 is the dice to let go of but the last, &quot;1, 2&quot;; %2 the last of them, &quot;3&quot;.</extracomment>
        <translation>Relancer les cinq dés (lâcher les %1 et %2)</translation>
    </message>
    <message>
        <source>Hold %1 and roll (release the %2)</source>
        <extracomment>%1 is the dice to hold, &quot;4 4 4&quot;; %2 the one die to let go of, &quot;1&quot;.</extracomment>
        <translation>Garder %1 et relancer (lâcher le %2)</translation>
    </message>
    <message>
        <source>Hold %1 and roll (release the %2 and %3)</source>
        <extracomment>%1 is the dice to hold, &quot;4 4&quot;; %2 the dice to let go of but the last, &quot;1, 2&quot;; %3 the last of them, &quot;3&quot;.</extracomment>
        <translation>Garder %1 et relancer (lâcher les %2 et %3)</translation>
    </message>
    <message>
        <source>Roll: you already hold %1</source>
        <extracomment>%1 is the dice the player holds, &quot;6 6&quot;.</extracomment>
        <translation>Relancer&#xa0;: vous gardez déjà %1</translation>
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
        <source>Subtotal:</source>
        <translation>Sous-total&#xa0;:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Prime&#xa0;:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Select which dice you want to keep...</source>
        <translation>Choisissez les dés à garder...</translation>
    </message>
    <message>
        <source>Roll Number:</source>
        <translation>Lancer n°&#xa0;:</translation>
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
        <extracomment>Under a die: the coach&apos;s best move holds it for the next roll. One short word, as wide as the die.</extracomment>
        <translation>garder</translation>
    </message>
    <message>
        <source>release</source>
        <extracomment>Under a die the player holds: the coach&apos;s best move lets it go. One short word, as wide as the die.</extracomment>
        <translation>lâcher</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A row of the score card: the category&apos;s name, &quot;Fours:&quot;.</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <extracomment>A die as a screen reader names it: its position and its face, &quot;Die 2: 5&quot;.</extracomment>
        <translation>Dé %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Game over: %1 points.</source>
        <translation>Partie terminée&#xa0;: %1 points.</translation>
    </message>
    <message>
        <source>Your decisions gave up %1 points.</source>
        <translation>Vos décisions ont coûté %1 points.</translation>
    </message>
    <message>
        <source>Costliest: turn %1, %2 (%3 points).</source>
        <extracomment>%1 is the turn, %2 the player&apos;s move there (&quot;Held 6 6 and rolled&quot;), %3 what it gave up.</extracomment>
        <translation>La plus coûteuse&#xa0;: tour %1, %2 (%3 points).</translation>
    </message>
    <message>
        <source>Every decision was the best.</source>
        <translation>Chaque décision était la meilleure.</translation>
    </message>
    <message>
        <source>This window cannot be opened: its module is missing or damaged (%1).</source>
        <translation>Cette fenêtre ne peut pas s’ouvrir&#xa0;: son module est absent ou endommagé (%1).</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Roll %1 of %2: %3.</source>
        <extracomment>After a roll: which roll of the turn it was, and the five dice in position order.</extracomment>
        <translation>Lancer %1 sur %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1: %2 points and %3 extra.</source>
        <translation>%1&#xa0;: %2 points et %3 en plus.</translation>
    </message>
    <message>
        <source>%1: %2 points.</source>
        <extracomment>A recorded score: the category and its points.</extracomment>
        <translation>%1&#xa0;: %2 points.</translation>
    </message>
    <message>
        <source>Upper bonus: %1 points.</source>
        <translation>Prime du haut&#xa0;: %1 points.</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Total&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1: %2 if scored now.</source>
        <extracomment>A category clicked but not recorded yet: what it would score.</extracomment>
        <translation>%1&#xa0;: %2 si marqué maintenant.</translation>
    </message>
    <message>
        <source>It enters the high-score table at place %1.</source>
        <extracomment>%1 is the place in the table of the ten best, 1 for the best.</extracomment>
        <translation>Elle entre au palmarès à la place %1.</translation>
    </message>
    <message>
        <source>It is not among the ten best.</source>
        <translation>Elle n’est pas parmi les dix meilleures.</translation>
    </message>
    <message>
        <source>After a forced roll no game of this run enters the table.</source>
        <translation>Après un lancer forcé, aucune partie de cette session n’entre au palmarès.</translation>
    </message>
    <message>
        <source>The next roll is forced: all five dice show %1.</source>
        <translation>Le prochain lancer est forcé&#xa0;: les cinq dés montrent %1.</translation>
    </message>
    <message>
        <source>The next roll is forced: the straight 1 2 3 4 5.</source>
        <extracomment>&quot;s&quot; typed on Roll: the next roll is the straight 1 to 5.</extracomment>
        <translation>Le prochain lancer est forcé&#xa0;: la suite 1 2 3 4 5.</translation>
    </message>
    <message>
        <source>From now on no game of this run enters the high-score table.</source>
        <translation>Désormais, aucune partie de cette session n’entre au palmarès.</translation>
    </message>
    <message>
        <source>Press START for the first roll. F1 explains the game.</source>
        <translation>Appuyez sur JOUER pour le premier lancer. F1 explique le jeu.</translation>
    </message>
    <message>
        <source>Coach: %1</source>
        <extracomment>The coach&apos;s advice as the status line reads it: &quot;Coach: Hold 6 6 and roll&quot;.</extracomment>
        <translation>Coach&#xa0;: %1</translation>
    </message>
    <message>
        <source>Coach on.</source>
        <translation>Coach activé.</translation>
    </message>
    <message>
        <source>Coach off.</source>
        <translation>Coach désactivé.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
</context>
<context>
    <name>GameDatabase</name>
    <message>
        <source>the SQLite driver of Qt SQL is not installed</source>
        <translation>le pilote SQLite de Qt SQL n’est pas installé</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>it was written by a newer version of Korvex</source>
        <translation>il a été écrit par une version plus récente de Korvex</translation>
    </message>
    <message>
        <source>it is damaged and cannot be renamed</source>
        <translation>il est endommagé et ne peut pas être renommé</translation>
    </message>
    <message>
        <source>the game&apos;s moves are not readable</source>
        <translation>les coups de la partie sont illisibles</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>its log file %1 is read-only</source>
        <translation>son fichier journal %1 est en lecture seule</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>son dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>another running copy of Korvex is writing to it</source>
        <translation>une autre copie de Korvex en cours y écrit</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>SQLite refused it</source>
        <translation>SQLite l’a refusé</translation>
    </message>
    <message>
        <source>schema version %1 or later; this version knows %2</source>
        <translation>version de schéma %1 ou ultérieure&#xa0;; cette version connaît la %2</translation>
    </message>
    <message>
        <source>the game is not in it</source>
        <translation>la partie n’y figure pas</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>The record of your games, %1, was damaged. It has been kept as %2, and a new record has been started.</source>
        <translation>L’historique de vos parties, %1, était endommagé. Il a été conservé sous %2, et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>Game Record</source>
        <translation>Historique des parties</translation>
    </message>
    <message>
        <source>the module that keeps the record is missing or damaged: %1</source>
        <translation>le module qui tient l’historique est absent ou endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <extracomment>A line under a message about the record of games; %1 is what SQLite itself said.</extracomment>
        <translation>Détails&#xa0;: %1</translation>
    </message>
    <message>
        <source>The record of your games, %1, was written by a newer version of Korvex, which this version cannot read. The file is left as it is.</source>
        <translation>L’historique de vos parties, %1, a été écrit par une version plus récente de Korvex, que cette version ne peut pas lire. Le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>The record of your games, %1, cannot be read: %2.</source>
        <translation>L’historique de vos parties, %1, ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The games you finish cannot be recorded in %1: it was written by a newer version of Korvex, and this version cannot add games to it. The file is left as it is.</source>
        <translation>Les parties que vous terminez ne peuvent pas être enregistrées dans %1&#xa0;: il a été écrit par une version plus récente de Korvex, et cette version ne peut pas y ajouter de parties. Le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>Your game could not be written to %1: %2. It is kept and will be recorded at the next chance: when your next game ends, when Statistics opens, or when you close the board.</source>
        <translation>Votre partie n’a pas pu être écrite dans %1&#xa0;: %2. Elle est conservée et sera enregistrée à la prochaine occasion&#xa0;: à la fin de votre prochaine partie, à l’ouverture des statistiques ou à la fermeture du plateau.</translation>
    </message>
    <message>
        <source>A game you finished could not be recorded in %1: %2. It is lost.</source>
        <translation>Une partie que vous avez terminée n’a pas pu être enregistrée dans %1&#xa0;: %2. Elle est perdue.</translation>
    </message>
    <message>
        <source>%3 games you finished could not be recorded in %1: %2. They are lost.</source>
        <translation>%3 parties que vous avez terminées n’ont pas pu être enregistrées dans %1&#xa0;: %2. Elles sont perdues.</translation>
    </message>
    <message>
        <source>Your practice answers cannot be kept in %1: it was written by a newer version of Korvex, and this version cannot add to it. The file is left as it is.</source>
        <translation>Vos réponses d’entraînement ne peuvent pas être gardées dans %1&#xa0;: il a été écrit par une version plus récente de Korvex, et cette version ne peut rien y ajouter. Le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>Your practice answer could not be written to %1: %2. It is not kept, and the position comes back as if it had not been answered.</source>
        <translation>Votre réponse d’entraînement n’a pas pu être écrite dans %1&#xa0;: %2. Elle n’est pas gardée, et la position reviendra comme si vous n’y aviez pas répondu.</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>Scored %1 for %2</source>
        <translation>Marqué %2 en %1</translation>
    </message>
    <message>
        <source>Rolled all five again</source>
        <translation>Relancé les cinq dés</translation>
    </message>
    <message>
        <source>Held all five and rolled</source>
        <translation>Gardé les cinq et relancé</translation>
    </message>
    <message>
        <source>Held %1 and rolled</source>
        <translation>Gardé %1 et relancé</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>score %1 for %2</source>
        <translation>marquer %1 pour %2</translation>
    </message>
    <message>
        <source>roll all five again</source>
        <translation>relancer les cinq dés</translation>
    </message>
    <message>
        <source>hold %1 and roll</source>
        <translation>garder %1 et relancer</translation>
    </message>
    <message>
        <source>%1: the best move, giving up nothing. The game expects a final total of %2.</source>
        <translation>%1&#xa0;: le meilleur coup, rien de perdu. La partie prévoit un total final de %2.</translation>
    </message>
    <message>
        <source>%1: %2 points given up. The best move was to %3, expecting a final total of %4; your move expects %5.</source>
        <translation>%1&#xa0;: %2 points perdus. Le meilleur coup était de %3, pour un total final prévu de %4&#xa0;; votre coup prévoit %5.</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Prime</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Korvex Practice</source>
        <translation>Entraînement Korvex</translation>
    </message>
    <message>
        <source>Hold the dice you would keep and press Roll, or pick the category you would score now. The coach then grades your move.</source>
        <translation>Gardez les dés que vous garderiez et appuyez sur Lancer, ou choisissez la catégorie que vous marqueriez maintenant. Le coach note ensuite votre coup.</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Position suivante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>The card as it stood: an open box shows what these dice would score there</source>
        <translation>La feuille telle qu’elle était&#xa0;: une case libre montre ce que ces dés y marqueraient</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Working out the best play…</source>
        <translation>Calcul du meilleur jeu…</translation>
    </message>
    <message>
        <source>There is no position to practise yet.</source>
        <translation>Il n’y a pas encore de position à travailler.</translation>
    </message>
    <message>
        <source>A position from one of your games</source>
        <translation>Une position tirée de l’une de vos parties</translation>
    </message>
    <message>
        <source>A position from a game the coach played: your own games give positions once you have played some</source>
        <translation>Une position tirée d’une partie jouée par le coach&#xa0;: vos propres parties en donneront dès que vous en aurez joué</translation>
    </message>
    <message>
        <source>Turn %1 of %2, roll %3 of %4</source>
        <translation>Tour %1 sur %2, lancer %3 sur %4</translation>
    </message>
    <message>
        <source>Your move?</source>
        <translation>Votre coup&#xa0;?</translation>
    </message>
    <message>
        <source>That move is not open in this position.</source>
        <translation>Ce coup n’est pas possible dans cette position.</translation>
    </message>
    <message>
        <source>The record could not keep this answer, so it does not count.</source>
        <translation>L’historique n’a pas pu garder cette réponse&#xa0;: elle ne compte donc pas.</translation>
    </message>
    <message>
        <source>Proficiency: answer a position to see how many points your decisions give up.</source>
        <translation>Niveau&#xa0;: répondez à une position pour voir combien de points vos décisions perdent.</translation>
    </message>
    <message>
        <source>Proficiency: %1 points given up in your one answer so far.</source>
        <translation>Niveau&#xa0;: %1 points perdus dans votre seule réponse jusqu’ici.</translation>
    </message>
    <message>
        <source>Proficiency: %1 points given up per decision over your last %2 answers.</source>
        <translation>Niveau&#xa0;: %1 points perdus par décision sur vos %2 dernières réponses.</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Score %1 for %2</source>
        <translation>Marquer %2 en %1</translation>
    </message>
    <message>
        <source>Roll all five again</source>
        <translation>Relancer les cinq dés</translation>
    </message>
    <message>
        <source>Hold %1 and roll</source>
        <translation>Garder %1 et relancer</translation>
    </message>
    <message>
        <source>Korvex Review</source>
        <translation>Analyse Korvex</translation>
    </message>
    <message>
        <source>Working out the best play…</source>
        <translation>Calcul du meilleur coup…</translation>
    </message>
    <message>
        <source>Every decision of the game</source>
        <translation>Toutes les décisions de la partie</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Your move</source>
        <translation>Votre coup</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Meilleur coup</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Expected total after</source>
        <translation>Total attendu après</translation>
    </message>
    <message>
        <source>Game finished %1, total %2</source>
        <translation>Partie terminée le %1, total %2</translation>
    </message>
    <message>
        <source>This record is not a whole game, so the coach cannot replay it.</source>
        <translation>Cet enregistrement n’est pas une partie entière&#xa0;; le coach ne peut donc pas la rejouer.</translation>
    </message>
    <message>
        <source>The costliest: turn %1, roll %2, %3 (%4 points).</source>
        <translation>La plus coûteuse&#xa0;: tour %1, lancer %2, %3 (%4 points).</translation>
    </message>
    <message>
        <source>Moves on forced rolls are not judged.</source>
        <translation>Les coups sur les lancers forcés ne sont pas jugés.</translation>
    </message>
    <message>
        <source>forced roll: not judged</source>
        <translation>lancer forcé&#xa0;: non jugé</translation>
    </message>
    <message>
        <source>Expected final total after each decision</source>
        <translation>Total final attendu après chaque décision</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Décision</translation>
    </message>
    <message>
        <source>Expected total</source>
        <translation>Total attendu</translation>
    </message>
    <message>
        <source>Line chart over %1 decisions: the expected final total starts at %2 and ends at the game&apos;s total, %3.</source>
        <translation>Courbe sur %1 décisions&#xa0;: le total final attendu part de %2 et finit au total de la partie, %3.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1, holding %2</source>
        <translation>%1, en gardant %2</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Expected %1 at the start · luck %2 · your decisions gave up %3 · total %4</source>
        <translation>Prévu %1 au départ · chance %2 · vos décisions ont perdu %3 · total %4</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>How often each total was scored</source>
        <translation>Fréquence de chaque total</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Aucune partie pour l’instant.</translation>
    </message>
    <message>
        <source>Bar chart of the totals of %1 games in bands of %2 points; the most games, %3, scored from %4 to %5.</source>
        <translation>Histogramme des totaux de %1 parties par tranches de %2 points&#xa0;; le plus de parties, %3, ont marqué de %4 à %5.</translation>
    </message>
    <message>
        <source>Totals over time</source>
        <translation>Totaux dans le temps</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Average of the last %1 games</source>
        <translation>Moyenne des %1 dernières parties</translation>
    </message>
    <message>
        <source>Line chart of the totals of %1 games in the order they were played, with the average of the last %2; the latest average is %3.</source>
        <translation>Courbe des totaux de %1 parties dans l’ordre où elles ont été jouées, avec la moyenne des %2 dernières&#xa0;; la dernière moyenne est %3.</translation>
    </message>
    <message>
        <source>Average points per category</source>
        <translation>Moyenne de points par catégorie</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Votre moyenne</translation>
    </message>
    <message>
        <source>Optimal play</source>
        <translation>Jeu optimal</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Bar chart of your average points in each of the thirteen categories beside what optimal play scores there; you trail it most in %1, %2 against %3.</source>
        <translation>Histogramme de vos points moyens dans chacune des treize catégories à côté de ce qu’y marque le jeu optimal&#xa0;; votre plus grand retard est en %1, %2 contre %3.</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Average total</source>
        <translation>Total moyen</translation>
    </message>
    <message>
        <source>Median total</source>
        <translation>Total médian</translation>
    </message>
    <message>
        <source>Best total</source>
        <translation>Meilleur total</translation>
    </message>
    <message>
        <source>Upper bonus won</source>
        <translation>Prime obtenue</translation>
    </message>
    <message>
        <source>Five of a kind in Korvex</source>
        <translation>Cinq identiques en Korvex</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Forced roll</source>
        <translation>Lancer forcé</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Korvex Statistics</source>
        <translation>Statistiques Korvex</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Over time</source>
        <translation>Dans le temps</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Include games with forced rolls</source>
        <translation>Inclure les parties avec lancers forcés</translation>
    </message>
    <message>
        <source>Recorded games, newest first</source>
        <translation>Parties enregistrées, les plus récentes d’abord</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Histogram of totals</source>
        <translation>Histogramme des totaux</translation>
    </message>
    <message>
        <source>Average points per category beside optimal play</source>
        <translation>Moyenne de points par catégorie à côté du jeu optimal</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>This game&apos;s moves cannot be read.</source>
        <translation>Les coups de cette partie sont illisibles.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The games could not be written to %1 (%2).</source>
        <translation>Les parties n’ont pas pu être écrites dans %1 (%2).</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Mean total of each %1 games</source>
        <translation>Total moyen par groupe de %1 parties</translation>
    </message>
    <message>
        <source>Points given up per game</source>
        <translation>Points perdus par partie</translation>
    </message>
    <message>
        <source>Points given up</source>
        <translation>Points perdus</translation>
    </message>
    <message>
        <source>Mean of each %1 games</source>
        <translation>Moyenne par groupe de %1 parties</translation>
    </message>
    <message>
        <source>The coach has judged no game yet.</source>
        <translation>Le coach n’a encore jugé aucune partie.</translation>
    </message>
    <message>
        <source>Line chart of the expected points your decisions gave up in each of %1 games judged by the coach, with the average of the last %2; the latest average is %3.</source>
        <translation>Graphique en courbes des points prévus que vos décisions ont perdus dans chacune des %1 parties jugées par le coach, avec la moyenne des %2 dernières&#xa0;; la dernière moyenne est %3.</translation>
    </message>
    <message>
        <source>No practice answers yet</source>
        <translation>Pas encore de réponse d’entraînement</translation>
    </message>
    <message>
        <source>Practice: points given up per move</source>
        <translation>Entraînement&#xa0;: points perdus par coup</translation>
    </message>
    <message>
        <source>Mean of the last 50 answers</source>
        <translation>Moyenne des 50 dernières réponses</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Answer positions in Practice, and this chart shows how many points your moves give up on average, over your last 50 answers.</source>
        <translation>Répondez à des positions dans l’entraînement, et ce graphique montrera combien de points vos coups perdent en moyenne, sur vos 50 dernières réponses.</translation>
    </message>
    <message>
        <source>Line chart over %1 practice answers of the mean expected points a move gave up, over the last 50 answers at each; it stands at %2 now.</source>
        <translation>Graphique en courbes, sur %1 réponses d’entraînement, des points prévus perdus en moyenne par coup, sur les 50 dernières réponses à chaque fois&#xa0;; il est maintenant à %2.</translation>
    </message>
    <message>
        <source>Median points given up</source>
        <translation>Médiane des points perdus</translation>
    </message>
    <message>
        <source>Given up in the last 10 games</source>
        <translation>Perdus sur les 10 dernières parties</translation>
    </message>
    <message>
        <source>Average luck per game</source>
        <translation>Chance moyenne par partie</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Perdus</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Points given up per game over time</source>
        <translation>Points perdus par partie au fil du temps</translation>
    </message>
    <message>
        <source>Practice: points given up per move over your answers</source>
        <translation>Entraînement&#xa0;: points perdus par coup au fil de vos réponses</translation>
    </message>
    <message>
        <source>The coach has not yet judged these games: points given up and luck show once it has.</source>
        <translation>Le coach n’a pas encore jugé ces parties&#xa0;: les points perdus et la chance s’affichent dès qu’il l’a fait.</translation>
    </message>
    <message>
        <source>Points given up and luck count only the games the coach has judged so far; still to be judged: %1.</source>
        <translation>Les points perdus et la chance ne comptent que les parties déjà jugées par le coach&#xa0;; encore à juger&#xa0;: %1.</translation>
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
        <source>Adds all dice showing one pip</source>
        <translation>Somme des dés montrant 1</translation>
    </message>
    <message>
        <source>Adds all dice showing two pips</source>
        <translation>Somme des dés montrant 2</translation>
    </message>
    <message>
        <source>Adds all dice showing three pips</source>
        <translation>Somme des dés montrant 3</translation>
    </message>
    <message>
        <source>Adds all dice showing four pips</source>
        <translation>Somme des dés montrant 4</translation>
    </message>
    <message>
        <source>Adds all dice showing five pips</source>
        <translation>Somme des dés montrant 5</translation>
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
        <source>Adds all dice if three are the same</source>
        <translation>Somme des dés si 3 identiques</translation>
    </message>
    <message>
        <source>Adds all dice if four are the same</source>
        <translation>Somme des dés si 4 identiques</translation>
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
    <message>
        <source>%1 pts.</source>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>%1 pts. are automatically added when the left column totals %2+</source>
        <extracomment>%1 is the bonus, 35; %2 the total it needs, 63.</extracomment>
        <translation>%1 pts ajoutés d’office si la colonne de gauche atteint %2+</translation>
    </message>
    <message>
        <source>%1 (%2 for each additional)</source>
        <extracomment>%1 is the points of a five of a kind, &quot;50 pts.&quot;; %2 those of each later one.</extracomment>
        <translation>%1 (%2 pour chaque suivant)</translation>
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
        <translation>Vos initiales&#xa0;:</translation>
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
        <translation>Voulez-vous vraiment effacer tous les scores du palmarès&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm Deletions</source>
        <translation>Confirmer l’effacement</translation>
    </message>
</context>
<context>
    <name>frmHowToPlay</name>
    <message>
        <source>Rolling and holding</source>
        <translation>Lancer et garder</translation>
    </message>
    <message>
        <source>Press START for the first roll of a game. Click the dice you want to keep, or move to them with the arrow keys and press Space: a held die is framed, and Roll rolls only the others. A turn has up to %1 rolls.</source>
        <translation>Appuyez sur JOUER pour le premier lancer d’une partie. Cliquez sur les dés à garder, ou allez-y avec les flèches et appuyez sur Espace&#xa0;: un dé gardé est encadré, et Lancer ne relance que les autres. Un tour compte jusqu’à %1 lancers.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Click a box on the score card to see what the dice would score there: the box shows it in grey italics until Save Score &amp; Roll Again records it, which also makes the first roll of the next turn. After the last roll of a turn something must be recorded, even a 0. Each box takes one score, so a game lasts %1 turns.</source>
        <translation>Cliquez sur une case de la feuille pour voir ce que les dés y marqueraient&#xa0;: la case l’affiche en gris italique jusqu’à ce que Marquer &amp; relancer l’inscrive, ce qui fait aussi le premier lancer du tour suivant. Après le dernier lancer d’un tour, il faut marquer quelque chose, même 0. Chaque case reçoit un score, une partie dure donc %1 tours.</translation>
    </message>
    <message>
        <source>Bonus and extra points</source>
        <translation>Prime et points en plus</translation>
    </message>
    <message>
        <source>When Ones to Sixes add up to %1 or more (three of each face make exactly %1), %2 points are added. Once Korvex holds %3 points, every later five of a kind adds %4 more, whichever box it is scored in.</source>
        <extracomment>%1 is 63, %2 the bonus (35), %3 the points of a five of a kind (50), %4 those of each later one (100).</extracomment>
        <translation>Quand les As à Six totalisent %1 ou plus (trois de chaque face font exactement %1), %2 points s’ajoutent. Une fois que Korvex vaut %3 points, chaque cinq identiques suivant rapporte %4 de plus, quelle que soit la case où il est marqué.</translation>
    </message>
    <message>
        <source>Forced rolls</source>
        <translation>Lancers forcés</translation>
    </message>
    <message>
        <source>While Roll has the focus, a digit 1 to 6 makes the next roll show that face on all five dice, and s makes it the straight 1 2 3 4 5. From then on no game of this run of the program enters the high-score table, and the board says so.</source>
        <translation>Quand Lancer a le focus, un chiffre de 1 à 6 fait montrer cette face aux cinq dés du prochain lancer, et s en fait la suite 1 2 3 4 5. Dès lors, aucune partie de cette session du programme n’entre au palmarès, et le plateau le dit.</translation>
    </message>
    <message>
        <source>The coach</source>
        <translation>Le coach</translation>
    </message>
    <message>
        <source>Hint (Ctrl+H) switches the coach on and off. It shows the move with the best expected final total, marks the dice worth keeping and tells you what your last choice gave up. It only advises, and it never keeps you out of the high-score table.</source>
        <translation>Indice (Ctrl+H) active et désactive le coach. Il montre le coup au meilleur total final attendu, marque les dés à garder et vous dit ce que votre dernier choix a coûté. Il ne fait que conseiller et ne vous écarte jamais du palmarès.</translation>
    </message>
    <message>
        <source>Statistics and Review</source>
        <translation>Statistiques et analyse</translation>
    </message>
    <message>
        <source>Statistics (Ctrl+T) sums up every game you have finished. When a game ends, Review (Ctrl+R) replays it through the coach, decision by decision; the Games tab of the Statistics window reviews any earlier game.</source>
        <translation>Statistiques (Ctrl+T) résume chaque partie terminée. À la fin d’une partie, Analyse (Ctrl+R) la rejoue avec le coach, décision par décision&#xa0;; l’onglet Parties des statistiques analyse toute partie antérieure.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Tab moves through the board. The arrow keys move along the dice, to Roll and Save, and up, down and across the card; Home and End go to its first and last open box. Space or Enter presses. Ctrl+N starts a new game, Ctrl+Q closes the board, Escape closes this window.</source>
        <translation>Tab parcourt le plateau. Les flèches suivent les dés, mènent à Lancer et Marquer, et montent, descendent et traversent la feuille&#xa0;; Début et Fin vont à sa première et sa dernière case libre. Espace ou Entrée appuie. Ctrl+N commence une partie, Ctrl+Q ferme le plateau, Échap ferme cette fenêtre.</translation>
    </message>
    <message>
        <source>The categories</source>
        <translation>Les catégories</translation>
    </message>
    <message>
        <source>Ones to Sixes</source>
        <translation>As à Six</translation>
    </message>
    <message>
        <source>the dice showing that face, added up: %1 scores %2 in %3</source>
        <extracomment>%1 is a roll, %2 what it scores in the category %3.</extracomment>
        <translation>les dés de cette face, additionnés&#xa0;: %1 marque %2 en %3</translation>
    </message>
    <message>
        <source>all five dice added up when three show one face: %1 scores %2</source>
        <translation>les cinq dés additionnés si trois sont identiques&#xa0;: %1 marque %2</translation>
    </message>
    <message>
        <source>all five dice added up when four show one face: %1 scores %2</source>
        <translation>les cinq dés additionnés si quatre sont identiques&#xa0;: %1 marque %2</translation>
    </message>
    <message>
        <source>%1 points for three of one face and two of another: %2</source>
        <translation>%1 points pour trois d’une face et deux d’une autre&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 points for four faces in a row: %2</source>
        <translation>%1 points pour quatre faces qui se suivent&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 points for five faces in a row: %2</source>
        <translation>%1 points pour cinq faces qui se suivent&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 points for five of a kind: %2</source>
        <translation>%1 points pour cinq identiques&#xa0;: %2</translation>
    </message>
    <message>
        <source>all five dice added up, whatever they show: %1 scores %2</source>
        <translation>les cinq dés additionnés, quels qu’ils soient&#xa0;: %1 marque %2</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Le score enregistré sous la clé %1 n’a pas pu être lu&#xa0;; il est affiché comme&#xa0;??? avec un score de 0.</translation>
    </message>
    <message>
        <source>The high score stored under keys %1 could not be read; they are shown as ??? with a score of 0.</source>
        <translation>Les scores enregistrés sous les clés %1 n’ont pas pu être lus&#xa0;; ils sont affichés comme&#xa0;??? avec un score de 0.</translation>
    </message>
    <message>
        <source>The new high score is kept while Korvex runs; it is saved again when High Scores is opened or the game is closed.</source>
        <translation>Le nouveau record est conservé tant que Korvex est ouvert&#xa0;; il sera enregistré de nouveau à l’ouverture du palmarès ou à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>The high-score file %1 is damaged; only part of it could be read.</source>
        <translation>Le fichier des scores %1 est endommagé&#xa0;; seule une partie a pu être lue.</translation>
    </message>
    <message>
        <source>A copy of the damaged high-score file could not be kept as %1, so the file was left as it is.</source>
        <translation>Une copie du fichier des scores endommagé n’a pas pu être conservée sous %1&#xa0;; le fichier a donc été laissé tel quel.</translation>
    </message>
    <message>
        <source>The high-score file %1 is larger than 1 MiB, so it is damaged: it cannot be a high-score table. %2</source>
        <translation>Le fichier des scores %1 dépasse 1 Mio, il est donc endommagé&#xa0;: ce ne peut pas être un tableau des scores. %2</translation>
    </message>
    <message>
        <source>Korvex could not work on its high scores in the temporary folder %1: %2.</source>
        <translation>Korvex n’a pas pu traiter ses scores dans le dossier temporaire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its new text could not be composed there</source>
        <translation>son nouveau contenu n’a pas pu y être composé</translation>
    </message>
    <message>
        <source>It was not read.</source>
        <translation>Il n’a pas été lu.</translation>
    </message>
    <message>
        <source>It was left as it is.</source>
        <translation>Il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <source>something other than a file</source>
        <translation>autre chose qu’un fichier</translation>
    </message>
    <message>
        <source>The high-score file %1 is not a regular file: it is %2. Korvex neither reads nor replaces it; the high scores are kept in memory only.</source>
        <translation>Le fichier des scores %1 n’est pas un fichier ordinaire&#xa0;: c’est %2. Korvex ne le lit ni ne le remplace&#xa0;; les scores ne sont gardés qu’en mémoire.</translation>
    </message>
    <message>
        <source>a link to something that does not exist</source>
        <translation>un lien vers quelque chose qui n’existe pas</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (processus %1)</translation>
    </message>
    <message>
        <source> (process %1 on %2)</source>
        <translation> (processus %1 sur %2)</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked: its lock file %2 could not be opened: %3.</source>
        <translation>Le fichier des scores %1 n’a pas pu être verrouillé&#xa0;: son fichier de verrou %2 n’a pas pu être ouvert&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked: its lock file %2 could not be locked: %3.</source>
        <translation>Le fichier des scores %1 n’a pas pu être verrouillé&#xa0;: son fichier de verrou %2 n’a pas pu être verrouillé&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be written: %2.</source>
        <translation>Le fichier des scores %1 n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>permission was refused</source>
        <translation>l’accès a été refusé</translation>
    </message>
    <message>
        <source>the disk may only be read</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>a part of its path is a file, not a folder</source>
        <translation>une partie du chemin est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>it is a folder, not a regular file</source>
        <translation>c’est un dossier, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file would be larger than the system allows</source>
        <translation>le fichier dépasserait la taille permise par le système</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>its path has too many links</source>
        <translation>le chemin contient trop de liens</translation>
    </message>
    <message>
        <source>the disk reported an input or output error</source>
        <translation>le disque a signalé une erreur d’entrée-sortie</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>le dossier n’existe pas</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be read: %2.</source>
        <translation>Le fichier des scores %1 n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder %1 for the high-score file could not be created: %2.</source>
        <translation>Le dossier %1 du fichier des scores n’a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The high-score file %1 is locked by another running copy of Korvex%2, which is saving its high scores.</source>
        <translation>Le fichier des scores %1 est verrouillé par une autre copie de Korvex%2 en cours d’exécution, qui enregistre ses scores.</translation>
    </message>
    <message>
        <source>Korvex is closing, so the new high score could not be kept: it is lost.</source>
        <translation>Korvex se ferme, le nouveau record n’a donc pas pu être conservé&#xa0;: il est perdu.</translation>
    </message>
    <message>
        <source>The high-score file %1 could not be locked: its lock file %2 is not a regular file: it is %3.</source>
        <translation>Le fichier des scores %1 n’a pas pu être verrouillé&#xa0;: son fichier de verrou %2 n’est pas un fichier ordinaire&#xa0;: c’est %3.</translation>
    </message>
    <message>
        <source>The high-score file %1 would grow larger than 1 MiB, which Korvex does not read, so it was left as it is.</source>
        <translation>Le fichier des scores %1 dépasserait 1 Mio, taille que Korvex ne lit pas&#xa0;; il a donc été laissé tel quel.</translation>
    </message>
</context>
</TS>
