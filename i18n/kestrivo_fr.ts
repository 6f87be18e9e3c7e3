<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>kestrivo::window::DesignWords</name>
    <message>
        <source>%1, lines %2 and %3</source>
        <translation>%1, lignes %2 et %3</translation>
    </message>
    <message>
        <source>%1, line %2 and %3, line %4</source>
        <translation>%1, ligne %2 et %3, ligne %4</translation>
    </message>
    <message>
        <source>Choose a strata column for the blocks in the city by stratum.</source>
        <translation>Choisissez une colonne des strates pour saisir les îlots de la ville par strate.</translation>
    </message>
    <message>
        <source>Give each stratum its own number in &quot;Blocks in the city&quot;.</source>
        <translation>Donnez à chaque strate son propre nombre dans «&#xa0;Îlots de la ville&#xa0;».</translation>
    </message>
    <message>
        <source>Type the number of blocks in the city for &quot;%1&quot;.</source>
        <translation>Saisissez le nombre d&apos;îlots de la ville pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Blocks in the city: %1 is fewer than the %2 blocks counted.</source>
        <translation>Îlots de la ville&#xa0;: %1 est inférieur aux %2 îlots comptés.</translation>
    </message>
    <message>
        <source>The design cannot be used.</source>
        <translation>Le plan de sondage ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>The weight column says what each block stands for: &quot;Blocks in the city&quot; is not needed with it.</source>
        <translation>La colonne des poids indique combien d&apos;îlots de la ville chaque îlot représente&#xa0;: «&#xa0;Îlots de la ville&#xa0;» est alors inutile.</translation>
    </message>
    <message>
        <source>%1 has no column &quot;%2&quot; for the weights.</source>
        <translation>%1 ne contient pas de colonne «&#xa0;%2&#xa0;» pour les poids.</translation>
    </message>
    <message>
        <source>%1 has no column &quot;%2&quot; for the strata.</source>
        <translation>%1 ne contient pas de colonne «&#xa0;%2&#xa0;» pour les strates.</translation>
    </message>
    <message>
        <source>&quot;Blocks in the city&quot; names the stratum &quot;%1&quot;, which no block has.</source>
        <translation>«&#xa0;Îlots de la ville&#xa0;» mentionne la strate «&#xa0;%1&#xa0;», à laquelle n&apos;appartient aucun îlot.</translation>
    </message>
    <message>
        <source>Blocks in the city for &quot;%1&quot;: %2 is fewer than the %3 blocks counted.</source>
        <translation>Îlots de la ville pour «&#xa0;%1&#xa0;»&#xa0;: %2 est inférieur aux %3 îlots comptés.</translation>
    </message>
    <message>
        <source>%1: the block &quot;%2&quot; appears twice in the stratum &quot;%3&quot;; a sample holds each block once.</source>
        <translation>%1&#xa0;: l&apos;îlot «&#xa0;%2&#xa0;» figure deux fois dans la strate «&#xa0;%3&#xa0;»&#xa0;; un échantillon ne contient chaque îlot qu&apos;une seule fois.</translation>
    </message>
    <message>
        <source>%1: the block &quot;%2&quot; appears twice; a sample holds each block once.</source>
        <translation>%1&#xa0;: l&apos;îlot «&#xa0;%2&#xa0;» figure deux fois&#xa0;; un échantillon ne contient chaque îlot qu&apos;une seule fois.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::Form1</name>
    <message>
        <source>capture history</source>
        <translation>hist. de capture</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>effectif</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>paramètres</translation>
    </message>
    <message>
        <source>include as free parameter</source>
        <translation>inclure comme paramètre libre</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimer</translation>
    </message>
    <message>
        <source>error on P</source>
        <translation>erreur sur P</translation>
    </message>
    <message>
        <source>error on S</source>
        <translation>erreur sur S</translation>
    </message>
    <message>
        <source>% plotting range</source>
        <translation>% plage du tracé</translation>
    </message>
    <message>
        <source>simulate</source>
        <translation>simuler</translation>
    </message>
    <message>
        <source>count of history </source>
        <translation>effectif de l&apos;historique </translation>
    </message>
    <message>
        <source>plotting range in percent</source>
        <translation>plage du tracé, en pourcentage</translation>
    </message>
    <message>
        <source>start value of P, then its estimate</source>
        <translation>valeur initiale de P, puis son estimation</translation>
    </message>
    <message>
        <source>start value of S, then its estimate</source>
        <translation>valeur initiale de S, puis son estimation</translation>
    </message>
    <message>
        <source>include S as free parameter</source>
        <translation>inclure S comme paramètre libre</translation>
    </message>
    <message>
        <source>profile and limits of P</source>
        <translation>profil et limites de P</translation>
    </message>
    <message>
        <source>profile and limits of S</source>
        <translation>profil et limites de S</translation>
    </message>
    <message>
        <source>profile log likelihood plot</source>
        <translation>graphique de la log-vraisemblance profilée</translation>
    </message>
    <message>
        <source>No plot yet.</source>
        <translation>Pas encore de graphique.</translation>
    </message>
    <message>
        <source>Report: </source>
        <translation>Rapport&#xa0;: </translation>
    </message>
    <message>
        <source>Report: none yet</source>
        <translation>Rapport&#xa0;: aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open survey...</source>
        <translation>&amp;Ouvrir une enquête...</translation>
    </message>
    <message>
        <source>&amp;Save counts...</source>
        <translation>&amp;Enregistrer les comptages...</translation>
    </message>
    <message>
        <source>&amp;Export plot...</source>
        <translation>E&amp;xporter le graphique...</translation>
    </message>
    <message>
        <source>&amp;Print plot...</source>
        <translation>&amp;Imprimer le graphique...</translation>
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
        <source>&amp;Copy results</source>
        <translation>&amp;Copier les résultats</translation>
    </message>
    <message>
        <source>Copy &amp;plot</source>
        <translation>Copier le &amp;graphique</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;About Kestrivo</source>
        <translation>À &amp;propos de Kestrivo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language is saved; restart Kestrivo to use it.</source>
        <translation>La langue est enregistrée&#xa0;; redémarrez Kestrivo pour l&apos;appliquer.</translation>
    </message>
    <message>
        <source>Reading the survey...</source>
        <translation>Lecture de l&apos;enquête...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print plot</source>
        <translation>Imprimer le graphique</translation>
    </message>
    <message>
        <source>Export plot</source>
        <translation>Exporter le graphique</translation>
    </message>
    <message>
        <source>Kestrivo plot</source>
        <translation>Graphique Kestrivo</translation>
    </message>
    <message>
        <source>Kestrivo user guide</source>
        <translation>Guide de l&apos;utilisateur de Kestrivo</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>About Kestrivo</source>
        <translation>À propos de Kestrivo</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kestrivo %1&lt;/h3&gt;&lt;p&gt;Estimates how visible the free-roaming dogs of a city block are to a street count, from three counts of the block.&lt;/p&gt;&lt;p&gt;Licence: MIT.&lt;/p&gt;&lt;p&gt;Built with Qt %2, NLopt (BOBYQA), Boost.Math %3 and libcsv %4.%5.%6.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kestrivo %1&lt;/h3&gt;&lt;p&gt;Estime dans quelle mesure les chiens en divagation d&apos;un îlot sont visibles lors d&apos;un comptage de rue, à partir de trois comptages de l&apos;îlot.&lt;/p&gt;&lt;p&gt;Licence&#xa0;: MIT.&lt;/p&gt;&lt;p&gt;Réalisé avec Qt %2, NLopt (BOBYQA), Boost.Math %3 et libcsv %4.%5.%6.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open survey</source>
        <translation>Ouvrir une enquête</translation>
    </message>
    <message>
        <source>Save counts</source>
        <translation>Enregistrer les comptages</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it all the same? It stays read-only.</source>
        <translation>%1 est en lecture seule. Le remplacer quand même&#xa0;? Il restera en lecture seule.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Erreur de calcul en virgule flottante</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Library not found</source>
        <translation>Bibliothèque introuvable</translation>
    </message>
    <message>
        <source>Library damaged</source>
        <translation>Bibliothèque endommagée</translation>
    </message>
    <message>
        <source>Library unusable</source>
        <translation>Bibliothèque inutilisable</translation>
    </message>
    <message>
        <source>No estimate</source>
        <translation>Pas d&apos;estimation</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is not enough memory for this; nothing changed.</source>
        <translation>la mémoire est insuffisante pour cette opération&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is not a number.</source>
        <translation>dans le champ %1, %2 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is too large.</source>
        <translation>dans le champ %1, %2 est trop grand.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is ambiguous: it could be read as %3 or as %4; type %3 or %4, without &quot;.&quot;.</source>
        <translation>dans le champ %1, %2 est ambigu&#xa0;: il peut se lire %3 ou %4&#xa0;; saisissez %3 ou %4, sans «&#xa0;.&#xa0;».</translation>
    </message>
    <message>
        <source>in the %1 box, %2 groups its digits with &quot;%3&quot;; type it without them: %4.</source>
        <translation>dans le champ %1, les chiffres de %2 sont groupés par des «&#xa0;%3&#xa0;»&#xa0;; saisissez le nombre sans ces séparateurs&#xa0;: %4.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is not a share: it must lie from 0 to 1.</source>
        <translation>dans le champ %1, %2 n&apos;est pas une part&#xa0;: la valeur doit être comprise entre 0 et 1.</translation>
    </message>
    <message>
        <source>in the %1 box, &quot;%2&quot; is negative; a frequency is a number of dogs.</source>
        <translation>dans le champ %1, «&#xa0;%2&#xa0;» est négatif&#xa0;; un effectif est un nombre de chiens.</translation>
    </message>
    <message>
        <source>all four frequencies are 0: there are no dogs to estimate from.</source>
        <translation>les quatre effectifs valent 0&#xa0;: il n&apos;y a aucun chien sur lequel fonder une estimation.</translation>
    </message>
    <message>
        <source>(%1% of all dogs seen)</source>
        <translation>(%1&#xa0;% de tous les chiens sont vus)</translation>
    </message>
    <message>
        <source>maximum log likelihood = %1</source>
        <translation>log-vraisemblance maximale = %1</translation>
    </message>
    <message>
        <source>Counts 1,0,0: %1, 1,1,1: %2, 1,0,1: %3, 1,1,0: %4.</source>
        <translation>Effectifs 1,0,0&#xa0;: %1, 1,1,1&#xa0;: %2, 1,0,1&#xa0;: %3, 1,1,0&#xa0;: %4.</translation>
    </message>
    <message>
        <source>S = %1, P = %2</source>
        <translation>S = %1, P = %2</translation>
    </message>
    <message>
        <source>S held at %1, P = %2</source>
        <translation>S fixé à %1, P = %2</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is beyond what can be plotted; a range of 100 already covers 0.01 to 0.99.</source>
        <translation>dans le champ %1, %2 dépasse ce qui peut être tracé&#xa0;; une plage de 100 couvre déjà de 0,01 à 0,99.</translation>
    </message>
    <message>
        <source>these counts are impossible when S is held at %1: every dog would then be seen on every count, yet some were missed on the second or third. Hold S below 1, or tick &quot;%2&quot;.</source>
        <translation>ces comptages sont impossibles lorsque S est fixé à %1&#xa0;: chaque chien serait alors vu à chaque comptage, or certains ont été manqués au deuxième ou au troisième. Fixez S en dessous de 1, ou cochez «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>the fit found no maximum (error code %1); no estimate is shown.</source>
        <translation>l&apos;ajustement n&apos;a trouvé aucun maximum (code d&apos;erreur %1)&#xa0;; aucune estimation n&apos;est affichée.</translation>
    </message>
    <message>
        <source>log likelihood</source>
        <translation>log-vraisemblance</translation>
    </message>
    <message>
        <source>% seen</source>
        <translation>% vus</translation>
    </message>
    <message>
        <source>% stay</source>
        <translation>% toujours vus</translation>
    </message>
    <message>
        <source>The plotting range holds no point of the profile: make the % plotting range larger (for example 30).</source>
        <translation>La plage du tracé ne contient aucun point du profil&#xa0;: augmentez la valeur du champ «&#xa0;% plage du tracé&#xa0;» (par exemple à 30).</translation>
    </message>
    <message>
        <source>there is no plot to export yet: press &quot;%1&quot; first.</source>
        <translation>il n&apos;y a pas encore de graphique à exporter&#xa0;: cliquez d&apos;abord sur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>there is no plot to print yet: press &quot;%1&quot; first.</source>
        <translation>il n&apos;y a pas encore de graphique à imprimer&#xa0;: cliquez d&apos;abord sur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>there is no plot to copy yet: press &quot;%1&quot; first.</source>
        <translation>il n&apos;y a pas encore de graphique à copier&#xa0;: cliquez d&apos;abord sur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>the plot could not be printed: the printer is not ready.</source>
        <translation>le graphique n&apos;a pas pu être imprimé&#xa0;: l&apos;imprimante n&apos;est pas prête.</translation>
    </message>
    <message>
        <source>there are no results to copy yet: press &quot;%1&quot; first.</source>
        <translation>il n&apos;y a pas encore de résultats à copier&#xa0;: cliquez d&apos;abord sur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This program can be used to estimate the proportion of free-roaming dogs seen on a count of a city block.  A sample of individually distinct dogs are identified during the first count and the number seen during a second and third count recorded.  The frequency of the four possible resulting capture histories - not seen again, seen on both the second and third counts, seen on the third but not on the second, seen on the second but not on the third - are entered in the text boxes to the left.  Click the &apos;estimate&apos; command button to generate ML estimates of the proportion permanently visible because of defending territory, S, and the probability of seeing the others, P.  Read 95% confidence limits from intersection of dotted red line with ML curve.  Uncheck check box and set S to 0 to see effect of assuming all dogs equally visible on P estimate.</source>
        <translation>Ce programme permet d&apos;estimer la proportion des chiens en divagation d&apos;un îlot urbain qui sont vus lors d&apos;un comptage. Un échantillon de chiens distincts, reconnaissables individuellement, est identifié lors du premier comptage, et l&apos;on note combien d&apos;entre eux sont revus lors d&apos;un deuxième et d&apos;un troisième comptage. Les effectifs des quatre historiques de capture possibles – non revu, revu aux deuxième et troisième comptages, revu au troisième mais pas au deuxième, revu au deuxième mais pas au troisième – sont saisis dans les champs à gauche. Cliquez sur le bouton «&#xa0;estimer&#xa0;» pour obtenir les estimations du maximum de vraisemblance de la proportion de chiens visibles en permanence parce qu&apos;ils défendent un territoire, S, et de la probabilité de voir les autres chiens, P. Lisez les limites de confiance à 95&#xa0;% à l&apos;intersection de la ligne rouge en pointillés et de la courbe de vraisemblance. Décochez la case «&#xa0;inclure comme paramètre libre&#xa0;» et fixez S à 0 pour voir comment l&apos;estimation de P change si l&apos;on suppose que tous les chiens ont la même visibilité.</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <extracomment>File types of an exported plot: keep each pattern in brackets as it is.</extracomment>
        <translation>Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Survey files (*.csv);;All files (*)</source>
        <extracomment>File types: keep each pattern in brackets as it is.</extracomment>
        <translation>Fichiers d&apos;enquête (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Surveys and field exports (*.csv *.zip *.xlsx);;Survey files (*.csv);;All files (*)</source>
        <translation>Enquêtes et exports de terrain (*.csv *.zip *.xlsx);;Fichiers d&apos;enquête (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1: cannot be opened (%2).</source>
        <extracomment>%1 names the files; %2 is the system&apos;s own reason, in English.</extracomment>
        <translation>%1&#xa0;: ouverture impossible (%2).</translation>
    </message>
    <message>
        <source>%1: is a folder; a survey is a CSV file.</source>
        <translation>%1&#xa0;: c&apos;est un dossier&#xa0;; une enquête est un fichier CSV.</translation>
    </message>
    <message>
        <source>%1: is not an ordinary file; a survey is a CSV file.</source>
        <translation>%1&#xa0;: ce n&apos;est pas un fichier ordinaire&#xa0;; une enquête est un fichier CSV.</translation>
    </message>
    <message>
        <source>%1: at %2 MB the survey is too large to open in the window (at most %3 MB); kestrivo-report reads surveys of any size.</source>
        <translation>%1&#xa0;: avec %2 Mo, l&apos;enquête est trop volumineuse pour être ouverte dans la fenêtre (%3 Mo au maximum)&#xa0;; kestrivo-report lit les enquêtes de toute taille.</translation>
    </message>
    <message>
        <source>%1: the survey holds no block.</source>
        <translation>%1&#xa0;: l&apos;enquête ne contient aucun îlot.</translation>
    </message>
    <message>
        <source>Run-time error</source>
        <translation>Erreur d&apos;exécution</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::HeaderWords</name>
    <message>
        <source>%1: the file is empty; a survey needs a header row with c100, c111, c101 and c110.</source>
        <translation>%1&#xa0;: le fichier est vide&#xa0;; une enquête nécessite une ligne d&apos;en-tête contenant c100, c111, c101 et c110.</translation>
    </message>
    <message>
        <source>%1: the header (line %2, column %3) cannot be read: %4.</source>
        <extracomment>%4 is the reason the record cannot be read, in English.</extracomment>
        <translation>%1&#xa0;: l&apos;en-tête (ligne %2, colonne %3) est illisible&#xa0;: %4.</translation>
    </message>
    <message>
        <source>%1: the column &quot;%2&quot; appears twice in the header.</source>
        <translation>%1&#xa0;: la colonne «&#xa0;%2&#xa0;» figure deux fois dans l&apos;en-tête.</translation>
    </message>
    <message>
        <source>%1: the header lacks the columns %2; a survey needs c100, c111, c101 and c110.</source>
        <translation>%1&#xa0;: l&apos;en-tête ne contient pas les colonnes %2&#xa0;; une enquête nécessite c100, c111, c101 et c110.</translation>
    </message>
    <message>
        <source>%1: the header lacks the column %2; a survey needs c100, c111, c101 and c110.</source>
        <translation>%1&#xa0;: l&apos;en-tête ne contient pas la colonne %2&#xa0;; une enquête nécessite c100, c111, c101 et c110.</translation>
    </message>
    <message>
        <source>%1: the header has some of m010, m001 and m011 but not all three; the marked dogs first seen later go together.</source>
        <translation>%1&#xa0;: l&apos;en-tête contient certaines des colonnes m010, m001 et m011, mais pas les trois&#xa0;; les colonnes des chiens marqués vus pour la première fois plus tard doivent figurer ensemble.</translation>
    </message>
    <message>
        <source>%1: the header has c010, c001 and c011 and the marked dogs&apos; m100 to m110 but not m010, m001 and m011; give the marked dogs first seen later too.</source>
        <translation>%1&#xa0;: l&apos;en-tête contient c010, c001 et c011 ainsi que les colonnes m100 à m110 des chiens marqués, mais pas m010, m001 et m011&#xa0;; indiquez aussi les chiens marqués vus pour la première fois plus tard.</translation>
    </message>
    <message>
        <source>%1: the header has m010, m001 and m011 without c010, c001 and c011; the marked dogs first seen later are some of the dogs first seen later.</source>
        <translation>%1&#xa0;: l&apos;en-tête contient m010, m001 et m011 sans c010, c001 et c011&#xa0;; les chiens marqués vus pour la première fois plus tard font partie des chiens vus pour la première fois plus tard.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::LeftOutWords</name>
    <message>
        <source>the number of dogs seen on the first count only (c100)</source>
        <translation>le nombre de chiens vus au premier comptage seulement (c100)</translation>
    </message>
    <message>
        <source>the number of dogs seen on all three counts (c111)</source>
        <translation>le nombre de chiens vus aux trois comptages (c111)</translation>
    </message>
    <message>
        <source>the number of dogs seen on the first and third counts, not the second (c101)</source>
        <translation>le nombre de chiens vus aux premier et troisième comptages, mais pas au deuxième (c101)</translation>
    </message>
    <message>
        <source>the number of dogs seen on the first and second counts, not the third (c110)</source>
        <translation>le nombre de chiens vus aux premier et deuxième comptages, mais pas au troisième (c110)</translation>
    </message>
    <message>
        <source>the number of dogs first seen on the second count, and not seen again (c010)</source>
        <translation>le nombre de chiens vus pour la première fois au deuxième comptage, et non revus ensuite (c010)</translation>
    </message>
    <message>
        <source>the number of dogs first seen on the third count (c001)</source>
        <translation>le nombre de chiens vus pour la première fois au troisième comptage (c001)</translation>
    </message>
    <message>
        <source>the number of dogs first seen on the second count, and seen again on the third (c011)</source>
        <translation>le nombre de chiens vus pour la première fois au deuxième comptage, et revus au troisième (c011)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first count only (m100)</source>
        <translation>le nombre de chiens marqués vus au premier comptage seulement (m100)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on all three counts (m111)</source>
        <translation>le nombre de chiens marqués vus aux trois comptages (m111)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first and third counts, not the second (m101)</source>
        <translation>le nombre de chiens marqués vus aux premier et troisième comptages, mais pas au deuxième (m101)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first and second counts, not the third (m110)</source>
        <translation>le nombre de chiens marqués vus aux premier et deuxième comptages, mais pas au troisième (m110)</translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the second count, and not seen again (m010)</source>
        <translation>le nombre de chiens marqués vus pour la première fois au deuxième comptage, et non revus ensuite (m010)</translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the third count (m001)</source>
        <translation>le nombre de chiens marqués vus pour la première fois au troisième comptage (m001)</translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the second count, and seen again on the third (m011)</source>
        <translation>le nombre de chiens marqués vus pour la première fois au deuxième comptage, et revus au troisième (m011)</translation>
    </message>
    <message>
        <source>the number of dogs whose vaccination mark could not be told (mark_unknown)</source>
        <translation>le nombre de chiens dont la marque de vaccination n&apos;a pas pu être déterminée (mark_unknown)</translation>
    </message>
    <message>
        <source>the share of the block&apos;s dogs seen on a count, held as given (s_held)</source>
        <translation>la part des chiens de l&apos;îlot vus à un comptage, fixée d&apos;avance (s_held)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>%1 is the report&apos;s own reason, in English.</extracomment>
        <translation>Exclu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Left out: line %1 of the file cannot be read (at column %2): %3.</source>
        <translation>Exclu&#xa0;: la ligne %1 du fichier est illisible (à la colonne %2)&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Left out: line %1 of the file has &quot;%2&quot; in column %3, past the last column the header names.</source>
        <translation>Exclu&#xa0;: la ligne %1 du fichier contient «&#xa0;%2&#xa0;» dans la colonne %3, au-delà de la dernière colonne nommée dans l&apos;en-tête.</translation>
    </message>
    <message>
        <source>Left out: %1 is missing (line %2 of the file).</source>
        <translation>Exclu&#xa0;: %1 manque (ligne %2 du fichier).</translation>
    </message>
    <message>
        <source>Left out: %1 is &quot;%2&quot;, not a whole number of dogs (line %3 of the file).</source>
        <translation>Exclu&#xa0;: %1 vaut «&#xa0;%2&#xa0;», ce qui n&apos;est pas un nombre entier de chiens (ligne %3 du fichier).</translation>
    </message>
    <message>
        <source>Left out: %1 is %2, too large a number (line %3 of the file).</source>
        <translation>Exclu&#xa0;: %1 vaut %2, un nombre trop grand (ligne %3 du fichier).</translation>
    </message>
    <message>
        <source>Left out: %1 is &quot;%2&quot;, not a share from 0 to 1 (line %3 of the file).</source>
        <translation>Exclu&#xa0;: %1 vaut «&#xa0;%2&#xa0;», ce qui n&apos;est pas une part comprise entre 0 et 1 (ligne %3 du fichier).</translation>
    </message>
    <message>
        <source>Left out: %1 is missing, while the other dogs first seen later are filled in; fill in all three or none (line %2 of the file).</source>
        <translation>Exclu&#xa0;: %1 manque, alors que les autres chiens vus pour la première fois plus tard sont renseignés&#xa0;; renseignez les trois ou aucun (ligne %2 du fichier).</translation>
    </message>
    <message>
        <source>Left out: %1 is %2, more than the %3 dogs seen that way (line %4 of the file).</source>
        <translation>Exclu&#xa0;: %1 vaut %2, plus que les %3 chiens vus de cette façon (ligne %4 du fichier).</translation>
    </message>
    <message>
        <source>Left out: %1 is %2, more than the %3 dogs seen without the mark (line %4 of the file).</source>
        <translation>Exclu&#xa0;: %1 vaut %2, plus que les %3 chiens vus sans la marque (ligne %4 du fichier).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is missing (line %2 of the file).</source>
        <translation>Exclu&#xa0;: le poids de l&apos;îlot (colonne %1) manque (ligne %2 du fichier).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is &quot;%2&quot;, not a number of blocks (line %3 of the file).</source>
        <translation>Exclu&#xa0;: le poids de l&apos;îlot (colonne %1) vaut «&#xa0;%2&#xa0;», ce qui n&apos;est pas un nombre d&apos;îlots (ligne %3 du fichier).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is %2, less than the 1 block it stands for at least (line %3 of the file).</source>
        <translation>Exclu&#xa0;: le poids de l&apos;îlot (colonne %1) vaut %2, alors qu&apos;un îlot représente au moins lui-même (ligne %3 du fichier).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is %2, more blocks than a city has (line %3 of the file).</source>
        <translation>Exclu&#xa0;: le poids de l&apos;îlot (colonne %1) vaut %2, plus d&apos;îlots qu&apos;une ville n&apos;en compte (ligne %3 du fichier).</translation>
    </message>
    <message>
        <source>No estimate of its own: the counts on line %1 of the file give none (%2); its dogs are counted in its stratum.</source>
        <translation>Pas d&apos;estimation propre&#xa0;: les comptages de la ligne %1 du fichier n&apos;en donnent aucune (%2)&#xa0;; ses chiens sont comptés dans sa strate.</translation>
    </message>
    <message>
        <source>Counted, but the plot of the block on line %1 of the file could not be written: %2.</source>
        <translation>Compté, mais le graphique de l&apos;îlot de la ligne %1 du fichier n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 on a line that cannot be read</source>
        <extracomment>This phrase and the next ones start with the number of blocks left out.</extracomment>
        <translation>%1 sur une ligne illisible</translation>
    </message>
    <message>
        <source>%1 with a value past the header&apos;s last column</source>
        <translation>%1 avec une valeur au-delà de la dernière colonne de l&apos;en-tête</translation>
    </message>
    <message>
        <source>%1 with a count missing</source>
        <translation>%1 avec un comptage manquant</translation>
    </message>
    <message>
        <source>%1 with a count that is not a whole number</source>
        <translation>%1 avec un comptage qui n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 with a count too large</source>
        <translation>%1 avec un comptage trop grand</translation>
    </message>
    <message>
        <source>%1 with a held share that is not from 0 to 1</source>
        <translation>%1 avec une part fixée qui n&apos;est pas comprise entre 0 et 1</translation>
    </message>
    <message>
        <source>%1 with the dogs first seen later only partly filled in</source>
        <translation>%1 avec les chiens vus pour la première fois plus tard renseignés en partie seulement</translation>
    </message>
    <message>
        <source>%1 with more marked dogs than dogs seen</source>
        <translation>%1 avec plus de chiens marqués que de chiens vus</translation>
    </message>
    <message>
        <source>%1 with more dogs of unknown mark than dogs seen unmarked</source>
        <translation>%1 avec plus de chiens à marque inconnue que de chiens vus sans marque</translation>
    </message>
    <message>
        <source>%1 with no weight</source>
        <translation>%1 sans poids</translation>
    </message>
    <message>
        <source>%1 with a weight that is not a number</source>
        <translation>%1 avec un poids qui n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 with a weight below 1</source>
        <translation>%1 avec un poids inférieur à 1</translation>
    </message>
    <message>
        <source>%1 with a weight of more blocks than a city has</source>
        <translation>%1 avec un poids supérieur au nombre d&apos;îlots d&apos;une ville</translation>
    </message>
    <message>
        <source>%1 whose counts give no estimate</source>
        <translation>%1 dont les comptages ne donnent aucune estimation</translation>
    </message>
    <message>
        <source>%1 whose plot could not be written</source>
        <translation>%1 dont le graphique n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 for another reason</source>
        <translation>%1 pour une autre raison</translation>
    </message>
    <message>
        <source>1 block used</source>
        <translation>1 îlot utilisé</translation>
    </message>
    <message>
        <source>%1; none left out.</source>
        <extracomment>%1 is the number of blocks used, &quot;12 blocks used&quot;.</extracomment>
        <translation>%1&#xa0;; aucun îlot exclu.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the reasons blocks were left out for.</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n blocks used</source>
        <translation>
            <numerusform>%n îlot utilisé</numerusform>
            <numerusform>%n îlots utilisés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n left out: %2.</source>
        <extracomment>%1 is &quot;12 blocks used&quot;; %n the number of blocks left out; %2 the reasons, each with its number of blocks.</extracomment>
        <translation>
            <numerusform>%1&#xa0;; %n îlot exclu&#xa0;: %2.</numerusform>
            <numerusform>%1&#xa0;; %n îlots exclus&#xa0;: %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanDialog</name>
    <message>
        <source>none</source>
        <translation>n.d.</translation>
    </message>
    <message>
        <source>%1 rows decided, %2 surveys simulated; now k = %3</source>
        <translation>%1 lignes établies, %2 enquêtes simulées&#xa0;; en cours&#xa0;: k = %3</translation>
    </message>
    <message>
        <source>% of the total</source>
        <translation>&#xa0;% du total</translation>
    </message>
    <message>
        <source>Target: the city&apos;s dogs within this percent of the total</source>
        <translation>Objectif&#xa0;: nombre de chiens de la ville estimé à ce pourcentage près du total</translation>
    </message>
    <message>
        <source>The widest acceptable interval of the city&apos;s dogs, as a percentage of the total on either side</source>
        <translation>L&apos;intervalle le plus large acceptable pour le nombre de chiens de la ville, en pourcentage du total de part et d&apos;autre</translation>
    </message>
    <message>
        <source>Plan: blocks to count — %1</source>
        <translation>Planification&#xa0;: îlots à compter — %1</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Objectif&#xa0;:</translation>
    </message>
    <message>
        <source>Assurance in percent of surveys</source>
        <translation>Garantie, en pourcentage des enquêtes</translation>
    </message>
    <message>
        <source>&amp;Assurance:</source>
        <translation>&amp;Garantie&#xa0;:</translation>
    </message>
    <message>
        <source>Surveys simulated for each k</source>
        <translation>Enquêtes simulées pour chaque k</translation>
    </message>
    <message>
        <source>Surveys &amp;simulated per k:</source>
        <translation>Enquêtes &amp;simulées par k&#xa0;:</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Strate</translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation>Îlots de la ville</translation>
    </message>
    <message>
        <source>Blocks in the city, by stratum, for the plan</source>
        <translation>Îlots de la ville, par strate, pour la planification</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Planifier</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Planifier</translation>
    </message>
    <message>
        <source>Planning</source>
        <translation>Planification en cours</translation>
    </message>
    <message>
        <source>Plan status</source>
        <translation>État de la planification</translation>
    </message>
    <message>
        <source>Recommendation</source>
        <translation>Recommandation</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Îlots</translation>
    </message>
    <message>
        <source>By stratum</source>
        <translation>Par strate</translation>
    </message>
    <message>
        <source>Half-width, median</source>
        <translation>Demi-largeur, médiane</translation>
    </message>
    <message>
        <source>Half-width, assured</source>
        <translation>Demi-largeur, garantie</translation>
    </message>
    <message>
        <source>Interval holds the truth</source>
        <translation>L&apos;intervalle contient la vraie valeur</translation>
    </message>
    <message>
        <source>Estimate ÷ truth</source>
        <translation>Estimation ÷ vraie valeur</translation>
    </message>
    <message>
        <source>Meets target</source>
        <translation>Objectif atteint</translation>
    </message>
    <message>
        <source>Surveys</source>
        <translation>Enquêtes</translation>
    </message>
    <message>
        <source>The half-width in the share of surveys asked for (the assurance)</source>
        <translation>La demi-largeur atteinte dans la part d&apos;enquêtes demandée (la garantie)</translation>
    </message>
    <message>
        <source>The median of the estimated total over the true total</source>
        <translation>La médiane du rapport entre le total estimé et le vrai total</translation>
    </message>
    <message>
        <source>Plan rows</source>
        <translation>Lignes de la planification</translation>
    </message>
    <message>
        <source>The number of the city&apos;s blocks of %1 %2.</source>
        <translation>Nombre d&apos;îlots de la ville pour %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Reading the pilot&apos;s visibility and dogs...</source>
        <translation>Lecture de la visibilité et des chiens de l&apos;enquête pilote...</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Stopped: %1 sample sizes were simulated before it.</source>
        <translation>Arrêté&#xa0;: %1 tailles d&apos;échantillon avaient déjà été simulées.</translation>
    </message>
    <message>
        <source>Count %1 blocks</source>
        <translation>Compter %1 îlots</translation>
    </message>
    <message>
        <source>: </source>
        <translation>&#xa0;: </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>No sample size meets the target.</source>
        <translation>Aucune taille d&apos;échantillon n&apos;atteint l&apos;objectif.</translation>
    </message>
    <message>
        <source>% of surveys</source>
        <translation>&#xa0;% des enquêtes</translation>
    </message>
    <message>
        <source> Not trustworthy at these assumptions: see why below.</source>
        <translation> Estimation non fiable sous ces hypothèses&#xa0;: voir les raisons ci-dessous.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanPicture</name>
    <message>
        <source>Blocks counted</source>
        <translation>Îlots comptés</translation>
    </message>
    <message>
        <source>Half-width of the city&apos;s interval, % of its total</source>
        <translation>Demi-largeur de l&apos;intervalle de la ville, en % du total</translation>
    </message>
    <message>
        <source>half-width met in %1% of surveys</source>
        <translation>demi-largeur atteinte dans %1&#xa0;% des enquêtes</translation>
    </message>
    <message>
        <source>target ±%1%</source>
        <translation>objectif ±%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanPictureWidget</name>
    <message>
        <source>Half-width of the city&apos;s interval against blocks counted</source>
        <translation>Demi-largeur de l&apos;intervalle de la ville selon le nombre d&apos;îlots comptés</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanWords</name>
    <message>
        <source>These are the fewest blocks to count that bring the city&apos;s dogs within %1 in %2 of the simulated surveys.</source>
        <extracomment>%1 is a precision such as &quot;±20% of the total&quot;; %2 a share of the surveys, &quot;90%&quot;.</extracomment>
        <translation>C&apos;est le plus petit nombre d&apos;îlots à compter qui permet d&apos;estimer le nombre de chiens de la ville à %1 près dans %2 des enquêtes simulées.</translation>
    </message>
    <message>
        <source>Within %1 would need more than %2 blocks to count a survey, more than the plan simulates.</source>
        <translation>Une précision de %1 demanderait de compter plus de %2 îlots par enquête, soit plus que ce que la planification simule.</translation>
    </message>
    <message>
        <source>No number of blocks to count up to %1 brings the city&apos;s dogs within %2 in %3 of the simulated surveys.</source>
        <translation>Aucun nombre d&apos;îlots à compter jusqu&apos;à %1 ne permet d&apos;estimer le nombre de chiens de la ville à %2 près dans %3 des enquêtes simulées.</translation>
    </message>
    <message>
        <source>%1, %2 and %3 on counts 1, 2 and 3</source>
        <extracomment>The chance of being seen on each of the three counts, as shares such as &quot;40%&quot;.</extracomment>
        <translation>%1, %2 et %3 aux comptages 1, 2 et 3</translation>
    </message>
    <message>
        <source>%1 until first seen, %2 once seen</source>
        <extracomment>%1 is the chance of being seen before a dog is first seen (one or more shares); %2 the chance of being seen again once it has been.</extracomment>
        <translation>%1 tant que le chien n&apos;a pas été vu, %2 une fois vu</translation>
    </message>
    <message>
        <source>share always seen %1</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation>part toujours vue %1</translation>
    </message>
    <message>
        <source>for the other dogs, chance of being seen on a count %1</source>
        <translation>pour les autres chiens, probabilité d&apos;être vu à un comptage %1</translation>
    </message>
    <message>
        <source>%1 dogs a block, varying between blocks with dispersion %2</source>
        <translation>%1 chiens par îlot, variant d&apos;un îlot à l&apos;autre avec une dispersion de %2</translation>
    </message>
    <message>
        <source>%1 dogs a block, varying between blocks by chance alone</source>
        <translation>%1 chiens par îlot, variant d&apos;un îlot à l&apos;autre du seul fait du hasard</translation>
    </message>
    <message>
        <source>the dogs first seen on count 2 or 3 recorded too</source>
        <translation>les chiens vus pour la première fois au comptage 2 ou 3 sont aussi enregistrés</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the clauses of the plan&apos;s assumptions.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>Assumed: %1.</source>
        <translation>Hypothèses&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Assumed in %1: %2.</source>
        <extracomment>%1 is the stratum&apos;s name as in the data; %2 the list of what is assumed.</extracomment>
        <translation>Hypothèses pour %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No share: the pilot could not tell it.</extracomment>
        <translation>n.d.</translation>
    </message>
    <message>
        <source>under 1%</source>
        <translation>moins de 1&#xa0;%</translation>
    </message>
    <message>
        <source>over 99%</source>
        <translation>plus de 99&#xa0;%</translation>
    </message>
    <message>
        <source>±%1% of the total</source>
        <extracomment>The precision wanted of the city&apos;s total, %1 in percent.</extracomment>
        <translation>±%1&#xa0;% du total</translation>
    </message>
    <message>
        <source>The blocks to count are shared among the strata in proportion to their blocks in the city (%1).</source>
        <extracomment>%1 lists each stratum&apos;s name with its number of blocks in the city.</extracomment>
        <translation>Les îlots à compter sont répartis entre les strates proportionnellement à leur nombre d&apos;îlots dans la ville (%1).</translation>
    </message>
    <message>
        <source>The blocks of each stratum are taken to be drawn at random, as the intervals assume.</source>
        <translation>Les îlots de chaque strate sont considérés comme tirés au hasard, hypothèse sur laquelle reposent les intervalles.</translation>
    </message>
    <message>
        <source>The survey&apos;s estimate is not trustworthy at these assumptions: its interval held the true total in %1 of the simulated surveys (a %2 interval should in about %2)</source>
        <extracomment>%1 is how often the simulated surveys&apos; intervals held the truth; %2 the interval&apos;s level, both in percent.</extracomment>
        <translation>L&apos;estimation de l&apos;enquête n&apos;est pas fiable sous ces hypothèses&#xa0;: son intervalle contenait le vrai total dans %1 des enquêtes simulées (un intervalle à %2 devrait le contenir dans environ %2 des enquêtes)</translation>
    </message>
    <message>
        <source>, and its median estimate was %1 of the truth</source>
        <translation>, et son estimation médiane représentait %1 de la vraie valeur</translation>
    </message>
    <message>
        <source>; with about %1 dogs of the sample seen again on a second or third count, too few dogs are seen to estimate visibility</source>
        <translation>&#xa0;; avec environ %1 chiens de l&apos;échantillon revus à un deuxième ou un troisième comptage, trop peu de chiens sont vus pour estimer la visibilité</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlotExport</name>
    <message>
        <source>Kestrivo: profile log likelihood</source>
        <translation>Kestrivo&#xa0;: log-vraisemblance profilée</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportPages</name>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportReading</name>
    <message>
        <source>How to read this report</source>
        <translation>Comment lire ce rapport</translation>
    </message>
    <message>
        <source>Counting a block three times.</source>
        <translation>Trois comptages par îlot.</translation>
    </message>
    <message>
        <source>Each block was walked on three counts and each dog seen was given an identity, so the counts tell which dogs were seen again. Dogs missed on every count are not in the counts; how many there are follows from how often the dogs that were seen were seen again.</source>
        <translation>Chaque îlot a été parcouru lors de trois comptages et chaque chien vu a reçu un identifiant, de sorte que les comptages indiquent quels chiens ont été revus. Les chiens manqués à tous les comptages n&apos;y figurent pas&#xa0;; leur nombre se déduit de la fréquence à laquelle les chiens vus ont été revus.</translation>
    </message>
    <message>
        <source>The share always seen.</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation>La part toujours vue.</translation>
    </message>
    <message>
        <source>Some dogs hold a territory on the block and are seen on every count. Their share among all the block&apos;s dogs is the share always seen.</source>
        <translation>Certains chiens occupent un territoire dans l&apos;îlot et sont vus à chaque comptage. Leur proportion parmi l&apos;ensemble des chiens de l&apos;îlot est la part toujours vue.</translation>
    </message>
    <message>
        <source>The chance of being seen.</source>
        <translation>La probabilité d&apos;être vu.</translation>
    </message>
    <message>
        <source>Each of the other dogs is seen on a count by chance: the chance of being seen is how likely such a dog is to be seen on one count. The lower it is, the more dogs were missed and the more dogs the estimate adds to those seen.</source>
        <translation>Chacun des autres chiens est vu ou non à un comptage selon le hasard&#xa0;: la probabilité d&apos;être vu est la probabilité qu&apos;un tel chien soit vu lors d&apos;un comptage. Plus elle est faible, plus il y a de chiens manqués et plus l&apos;estimation ajoute de chiens à ceux qui ont été vus.</translation>
    </message>
    <message>
        <source>The %1 interval.</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation>L&apos;intervalle à %1.</translation>
    </message>
    <message>
        <source>Were the survey done again in the same way, with other blocks drawn and other chances of each dog being seen, about %1 of such intervals of the city&apos;s dogs would hold the true number, where the model holds. A block&apos;s own interval speaks of that block&apos;s counts alone. Neither takes in what the counts cannot show: dogs that no count can see, dogs that came or went between the counts, or one dog taken for two.</source>
        <translation>Si l&apos;enquête était refaite de la même manière, avec d&apos;autres îlots tirés et d&apos;autres chances pour chaque chien d&apos;être vu, environ %1 de ces intervalles du nombre de chiens de la ville contiendraient le vrai nombre, dans la mesure où le modèle est valable. L&apos;intervalle propre d&apos;un îlot ne porte que sur les comptages de cet îlot. Ni l&apos;un ni l&apos;autre ne tient compte de ce que les comptages ne peuvent pas montrer&#xa0;: les chiens qu&apos;aucun comptage ne peut voir, les chiens arrivés ou partis entre les comptages, ou un même chien pris pour deux.</translation>
    </message>
    <message>
        <source>A block&apos;s own estimate and its estimate with its stratum&apos;s shared visibility.</source>
        <translation>Estimation propre d&apos;un îlot et estimation avec la visibilité partagée de sa strate.</translation>
    </message>
    <message>
        <source>A block&apos;s own estimate uses its three counts alone. With 20 to 60 dogs a block tells little about how visible its dogs are, and its own estimate is often far from sure. The estimate with the shared visibility takes the share always seen and the chance of being seen from all the blocks of its stratum together, and only the dogs from the block&apos;s own counts: it is steadier, and the city&apos;s total is built from it. Where a stratum&apos;s blocks do not agree on how visible their dogs are (the test&apos;s p below 0.05), the shared visibility is an average over blocks that differ.</source>
        <translation>L&apos;estimation propre d&apos;un îlot n&apos;utilise que ses trois comptages. Avec 20 à 60 chiens, un îlot renseigne peu sur la visibilité de ses chiens, et son estimation propre est souvent très incertaine. L&apos;estimation avec la visibilité partagée tire la part toujours vue et la probabilité d&apos;être vu de l&apos;ensemble des îlots de sa strate, et seulement les chiens des comptages de l&apos;îlot lui-même&#xa0;: elle est plus stable, et c&apos;est à partir d&apos;elle qu&apos;est construit le total de la ville. Lorsque les îlots d&apos;une strate ne concordent pas sur la visibilité de leurs chiens (p du test inférieur à 0,05), la visibilité partagée est une moyenne sur des îlots qui diffèrent.</translation>
    </message>
    <message>
        <source>Vaccination coverage.</source>
        <translation>Couverture vaccinale.</translation>
    </message>
    <message>
        <source>The share of the dogs that carry the campaign&apos;s mark. Marked and unmarked dogs are each counted over their own chance of being seen, so that a group easier to see does not weigh more; the share marked among the dogs seen is shown beside it for comparison.</source>
        <translation>La part des chiens qui portent la marque de la campagne. Les chiens marqués et les chiens non marqués sont chacun rapportés à leur propre probabilité d&apos;être vus, afin qu&apos;un groupe plus facile à voir ne pèse pas davantage&#xa0;; la part de chiens marqués parmi les chiens vus est indiquée à côté, pour comparaison.</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>The dogs of each block are estimated by closed-population capture–recapture (Otis et al. 1978) from the dogs identified on the first count and what became of them on the second and third. The model is a mixture of two classes of dogs (Pledger 2000) with one class seen on every count: a share always seen, and the rest seen on each count with one chance. It is fitted by maximum likelihood, and a block&apos;s interval is where the profile likelihood lies within 1.92 of its maximum (Venzon and Moolgavkar 1988).</source>
        <translation>Les chiens de chaque îlot sont estimés par capture–recapture en population fermée (Otis et al. 1978) à partir des chiens identifiés au premier comptage et de ce qu&apos;il en est advenu aux deuxième et troisième comptages. Le modèle est un mélange de deux classes de chiens (Pledger 2000), dont l&apos;une est vue à chaque comptage&#xa0;: une part toujours vue, et le reste, vu à chaque comptage avec une même probabilité. Il est ajusté par maximum de vraisemblance, et l&apos;intervalle d&apos;un îlot est la zone où la vraisemblance profilée reste à moins de 1,92 de son maximum (Venzon et Moolgavkar 1988).</translation>
    </message>
    <message>
        <source>Within a stratum the blocks share one share always seen and one chance of being seen, fitted from all of them together. Whether they can share them is tested by comparing each block&apos;s own fit with the shared one; the test&apos;s p comes from a parametric bootstrap, stopped early once it is clear (Besag and Clifford 1991).</source>
        <translation>Au sein d&apos;une strate, les îlots partagent une même part toujours vue et une même probabilité d&apos;être vu, ajustées sur l&apos;ensemble de ces îlots. La possibilité de les partager est testée en comparant l&apos;ajustement propre de chaque îlot à l&apos;ajustement partagé&#xa0;; le p du test est obtenu par un bootstrap paramétrique, arrêté dès que le résultat est clair (Besag et Clifford 1991).</translation>
    </message>
    <message>
        <source>Where the dogs first seen on the later counts are given, the shared fit also lets the chance of being seen differ between the counts, or once a dog has been seen; these models are weighed against each other by their small-sample Akaike information criterion (Hurvich and Tsai 1989) and averaged by their weights (Burnham and Anderson 2002).</source>
        <translation>Lorsque les chiens vus pour la première fois aux comptages suivants sont fournis, l&apos;ajustement partagé permet aussi à la probabilité d&apos;être vu de varier d&apos;un comptage à l&apos;autre, ou une fois le chien déjà vu&#xa0;; ces modèles sont comparés selon leur critère d&apos;information d&apos;Akaike corrigé pour les petits échantillons (Hurvich et Tsai 1989) et moyennés selon leurs poids (Burnham et Anderson 2002).</translation>
    </message>
    <message>
        <source>The city&apos;s dogs add up the strata: each stratum&apos;s blocks&apos; dogs under its shared visibility, each block weighted by its design weight (Cochran 1977).</source>
        <translation>Le nombre de chiens de la ville est la somme des strates&#xa0;: les chiens des îlots de chaque strate, estimés avec sa visibilité partagée, chaque îlot étant pondéré par son poids de sondage (Cochran 1977).</translation>
    </message>
    <message>
        <source>The city&apos;s dogs add up the strata: each stratum&apos;s blocks&apos; dogs under its shared visibility, scaled up to the stratum&apos;s blocks in the city (Cochran 1977).</source>
        <translation>Le nombre de chiens de la ville est la somme des strates&#xa0;: les chiens des îlots de chaque strate, estimés avec sa visibilité partagée, extrapolés au nombre d&apos;îlots de la strate dans la ville (Cochran 1977).</translation>
    </message>
    <message>
        <source>The interval&apos;s standard error comes from a rescaled bootstrap of the blocks within each stratum, the shared visibility fitted again in each replicate (Rao and Wu 1988; Efron and Tibshirani 1993); the interval is symmetric on the log scale, with Student&apos;s t on the degrees of freedom of Satterthwaite (1946), and never below the dogs identified.</source>
        <translation>L&apos;erreur type de l&apos;intervalle provient d&apos;un bootstrap rééchelonné des îlots au sein de chaque strate, la visibilité partagée étant réajustée à chaque réplication (Rao et Wu 1988&#xa0;; Efron et Tibshirani 1993)&#xa0;; l&apos;intervalle est symétrique sur l&apos;échelle logarithmique, avec le t de Student aux degrés de liberté de Satterthwaite (1946), et n&apos;est jamais inférieur au nombre de chiens identifiés.</translation>
    </message>
    <message>
        <source>What the numbers assume</source>
        <translation>Hypothèses sous-jacentes aux chiffres</translation>
    </message>
    <message>
        <source>Each block&apos;s dogs are of two kinds: a share that hold a territory and are seen on every count, and the rest, each seen by chance on each count. The counts are close enough in time that no dog came or went.</source>
        <translation>Les chiens de chaque îlot sont de deux sortes&#xa0;: une part qui occupe un territoire et est vue à chaque comptage, et le reste, chaque chien étant vu ou non à chaque comptage selon le hasard. Les comptages sont assez rapprochés dans le temps pour qu&apos;aucun chien ne soit arrivé ni parti.</translation>
    </message>
    <message>
        <source>The vaccine doses for a coverage are that share of the dogs, with the same interval; after a campaign the doses still needed have their own interval from the same bootstrap. Neither counts doses lost or wasted.</source>
        <translation>Les doses de vaccin pour une couverture correspondent à cette part des chiens, avec le même intervalle&#xa0;; après une campagne, les doses encore nécessaires ont leur propre intervalle, issu du même bootstrap. Aucun des deux ne tient compte des doses perdues ou gaspillées.</translation>
    </message>
    <message>
        <source>one dog entered twice in one count</source>
        <translation>un même chien saisi deux fois dans un comptage</translation>
    </message>
    <message>
        <source>one dog&apos;s identity in two blocks</source>
        <translation>un même identifiant de chien relevé dans deux îlots</translation>
    </message>
    <message>
        <source>a count with no record that it was done</source>
        <translation>un comptage sans trace de sa réalisation</translation>
    </message>
    <message>
        <source>a dog seen on no known count</source>
        <translation>un chien vu lors d&apos;aucun comptage connu</translation>
    </message>
    <message>
        <source>a dog seen without an identity</source>
        <translation>un chien vu sans identifiant</translation>
    </message>
    <message>
        <source>a dog or count of an unknown block</source>
        <translation>un chien ou un comptage d&apos;un îlot inconnu</translation>
    </message>
    <message>
        <source>two wards or places given for one block</source>
        <translation>deux quartiers ou lieux indiqués pour un même îlot</translation>
    </message>
    <message>
        <source>one count sent twice</source>
        <translation>un même comptage envoyé deux fois</translation>
    </message>
    <message>
        <source>identities that differ only in capitals or spaces</source>
        <translation>des identifiants qui ne diffèrent que par les majuscules ou les espaces</translation>
    </message>
    <message>
        <source>a form rejected in review, left out</source>
        <translation>un formulaire rejeté lors de la vérification, exclu</translation>
    </message>
    <message>
        <source>a form marked in review as having issues</source>
        <translation>un formulaire signalé lors de la vérification comme présentant des problèmes</translation>
    </message>
    <message>
        <source>one form read twice, counted once</source>
        <translation>un même formulaire lu deux fois, compté une seule fois</translation>
    </message>
    <message>
        <source>a dog&apos;s vaccination mark seen on some counts only</source>
        <translation>la marque de vaccination d&apos;un chien vue à certains comptages seulement</translation>
    </message>
    <message>
        <source>One conflict was found while the field data were tabulated.</source>
        <translation>Un conflit a été relevé lors de la tabulation des données de terrain.</translation>
    </message>
    <message>
        <source>%1 conflicts were found while the field data were tabulated.</source>
        <translation>%1 conflits ont été relevés lors de la tabulation des données de terrain.</translation>
    </message>
    <message>
        <source>Appendix: what the field data held</source>
        <translation>Annexe&#xa0;: contenu des données de terrain</translation>
    </message>
    <message>
        <source>Warnings change no count; the others were settled as the last column says.</source>
        <translation>Les avertissements ne modifient aucun comptage&#xa0;; les autres conflits ont été réglés comme l&apos;indique la dernière colonne.</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>The conflicts table&apos;s columns: what kind of conflict, and where.</extracomment>
        <translation>Nature</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Îlot</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Comptage</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>What was found</source>
        <translation>Constat</translation>
    </message>
    <message>
        <source>%1 (%2, line %3)</source>
        <extracomment>A conflict&apos;s detail, in English as the tabulation says it, then the file and line where it was found.</extracomment>
        <translation>%1 (%2, ligne %3)</translation>
    </message>
    <message>
        <source> (a warning)</source>
        <translation> (avertissement)</translation>
    </message>
    <message>
        <source>share always seen may be none</source>
        <extracomment>Where a block&apos;s own interval reaches the edge of what was tried.</extracomment>
        <translation>la part toujours vue peut être nulle</translation>
    </message>
    <message>
        <source>share always seen may be all</source>
        <translation>la part toujours vue peut être totale</translation>
    </message>
    <message>
        <source>chance of being seen may be the lowest tried</source>
        <translation>la probabilité d&apos;être vu peut être la plus basse testée</translation>
    </message>
    <message>
        <source>chance of being seen may be certain</source>
        <translation>la probabilité d&apos;être vu peut atteindre 1</translation>
    </message>
    <message>
        <source>share seen may be the lowest tried</source>
        <translation>la part vue peut être la plus basse testée</translation>
    </message>
    <message>
        <source>share seen may be all</source>
        <translation>la part vue peut être totale</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the ways a block&apos;s own interval is open.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>Own interval open: %1.</source>
        <translation>Intervalle propre ouvert&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportReasons</name>
    <message>
        <source>with S held at 1 every dog is seen on every count, so the counts say nothing of P</source>
        <translation>avec S fixé à 1, chaque chien est vu à chaque comptage&#xa0;: les comptages ne renseignent donc pas sur P</translation>
    </message>
    <message>
        <source>S is held, not estimated</source>
        <translation>S est fixé, et non estimé</translation>
    </message>
    <message>
        <source>no dogs were counted</source>
        <translation>aucun chien n&apos;a été compté</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>un comptage est négatif</translation>
    </message>
    <message>
        <source>S is held outside 0 to 1</source>
        <translation>S est fixé à une valeur non comprise entre 0 et 1</translation>
    </message>
    <message>
        <source>the level must lie between 0 and 1</source>
        <translation>le niveau de confiance doit être compris entre 0 et 1</translation>
    </message>
    <message>
        <source>the likelihood library is not bound</source>
        <translation>la bibliothèque de calcul de la vraisemblance n&apos;est pas chargée</translation>
    </message>
    <message>
        <source>the report could not be computed</source>
        <translation>le rapport n&apos;a pas pu être calculé</translation>
    </message>
    <message>
        <source>the counts are impossible when S is held at %1</source>
        <translation>les comptages sont impossibles lorsque S est fixé à %1</translation>
    </message>
    <message>
        <source>the report could not be computed: %1</source>
        <extracomment>%1 is the system&apos;s own message, in English.</extracomment>
        <translation>le rapport n&apos;a pas pu être calculé&#xa0;: %1</translation>
    </message>
    <message>
        <source>no block of this stratum could be read</source>
        <translation>aucun îlot de cette strate n&apos;a pu être lu</translation>
    </message>
    <message>
        <source>the blocks hold S at different values, so they share no one visibility</source>
        <translation>les îlots fixent S à des valeurs différentes&#xa0;: ils ne peuvent donc pas partager une même visibilité</translation>
    </message>
    <message>
        <source>a summed count exceeds 2147483647 dogs, more than the library takes</source>
        <translation>un comptage cumulé dépasse 2&#xa0;147&#xa0;483&#xa0;647 chiens, plus que la bibliothèque ne peut en traiter</translation>
    </message>
    <message>
        <source>no dog was seen on these blocks, so there is no visibility to estimate; their dogs are 0 as far as the counts tell</source>
        <translation>aucun chien n&apos;a été vu dans ces îlots&#xa0;: il n&apos;y a donc aucune visibilité à estimer&#xa0;; d&apos;après les comptages, leur nombre de chiens est de 0</translation>
    </message>
    <message>
        <source>no number of blocks was given for this stratum</source>
        <translation>aucun nombre d&apos;îlots n&apos;a été indiqué pour cette strate</translation>
    </message>
    <message>
        <source>the visibility of this stratum&apos;s blocks cannot be fitted</source>
        <translation>la visibilité des îlots de cette strate ne peut pas être ajustée</translation>
    </message>
    <message>
        <source>the total is too large to be a number of dogs: look at the weights and numbers of blocks</source>
        <translation>le total est trop grand pour être un nombre de chiens&#xa0;: vérifiez les poids et les nombres d&apos;îlots</translation>
    </message>
    <message>
        <source>no dog was seen on more than one count, so nothing tells how many dogs every count missed: the visibility cannot be estimated</source>
        <translation>aucun chien n&apos;a été vu à plus d&apos;un comptage&#xa0;: rien n&apos;indique donc combien de chiens ont été manqués à tous les comptages, et la visibilité ne peut pas être estimée</translation>
    </message>
    <message>
        <source>no dog was seen on count 1, only on counts 2 and 3, so the visibility of count 1 cannot be estimated (was count 1 made and recorded?)</source>
        <translation>aucun chien n&apos;a été vu au comptage 1, seulement aux comptages 2 et 3&#xa0;: la visibilité au comptage 1 ne peut donc pas être estimée (le comptage 1 a-t-il été réalisé et enregistré&#xa0;?)</translation>
    </message>
    <message>
        <source>no dog&apos;s mark was seen clearly</source>
        <translation>la marque d&apos;aucun chien n&apos;a pu être vue clairement</translation>
    </message>
    <message>
        <source>no dog was seen</source>
        <translation>aucun chien n&apos;a été vu</translation>
    </message>
    <message>
        <source>the visibility of the dogs seen could not be fitted</source>
        <translation>la visibilité des chiens vus n&apos;a pas pu être ajustée</translation>
    </message>
    <message>
        <source>not every block of this stratum records the dogs&apos; vaccination marks</source>
        <translation>les îlots de cette strate n&apos;enregistrent pas tous la marque de vaccination des chiens</translation>
    </message>
    <message>
        <source>the marked dogs of a history are more than its dogs, or fewer than none</source>
        <translation>les chiens marqués d&apos;un historique de capture sont plus nombreux que ses chiens, ou en nombre négatif</translation>
    </message>
    <message>
        <source>a four-history stratum has dogs first seen on count 2 or 3</source>
        <translation>une strate à quatre historiques de capture contient des chiens vus pour la première fois au comptage 2 ou 3</translation>
    </message>
    <message>
        <source>more dogs of unknown mark than dogs seen without a mark</source>
        <translation>plus de chiens à marque inconnue que de chiens vus sans marque</translation>
    </message>
    <message>
        <source>stratum &quot;%1&quot;: %2</source>
        <extracomment>%1 is the stratum&apos;s name as in the data; %2 why it has no total.</extracomment>
        <translation>strate «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportStrip</name>
    <message>
        <source> (edge)</source>
        <translation> (à la borne)</translation>
    </message>
    <message>
        <source>%1–%2%</source>
        <comment>a range of percentages</comment>
        <translation>%1–%2&#xa0;%</translation>
    </message>
    <message>
        <source>%1 in %2 separate pieces %3</source>
        <translation>%1 en %2 parties séparées %3</translation>
    </message>
    <message>
        <source> and </source>
        <comment>between two pieces of the limits</comment>
        <translation> et </translation>
    </message>
    <message>
        <source>95% limits: %1</source>
        <translation>Limites à 95&#xa0;%&#xa0;: %1</translation>
    </message>
    <message>
        <source>, seen %1</source>
        <translation>, part vue %1</translation>
    </message>
    <message>
        <source>; dogs on the block %1 (%2–%3)</source>
        <translation>&#xa0;; chiens de l&apos;îlot %1 (%2–%3)</translation>
    </message>
    <message>
        <source>no upper limit</source>
        <translation>pas de limite supérieure</translation>
    </message>
    <message>
        <source>%1 lies on the lower edge of its range (%2): the estimate and its limit stop there.</source>
        <translation>%1 se trouve à la borne inférieure de sa plage (%2)&#xa0;: l&apos;estimation et sa limite s&apos;arrêtent là.</translation>
    </message>
    <message>
        <source>%1 lies on the upper edge of its range (%2): the estimate and its limit stop there.</source>
        <translation>%1 se trouve à la borne supérieure de sa plage (%2)&#xa0;: l&apos;estimation et sa limite s&apos;arrêtent là.</translation>
    </message>
    <message>
        <source>Fit check: %1.</source>
        <translation>Contrôle de l&apos;ajustement&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Fit check: G² = %1 on %2 df, %3: the model fits these counts poorly.</source>
        <translation>Contrôle de l&apos;ajustement&#xa0;: G² = %1 pour %2 ddl, %3&#xa0;: le modèle s&apos;ajuste mal à ces comptages.</translation>
    </message>
    <message>
        <source>Fit check: G² = %1 on %2 df, %3: no sign of a poor fit.</source>
        <translation>Contrôle de l&apos;ajustement&#xa0;: G² = %1 pour %2 ddl, %3&#xa0;: aucun signe de mauvais ajustement.</translation>
    </message>
    <message>
        <source>S = %1, P = %2 (log likelihood %3)</source>
        <translation>S = %1, P = %2 (log-vraisemblance %3)</translation>
    </message>
    <message>
        <source>The fit stopped at %1, short of the maximum at %2: the report is of the maximum.</source>
        <translation>L&apos;ajustement s&apos;est arrêté à %1, avant le maximum situé à %2&#xa0;: le rapport porte sur le maximum.</translation>
    </message>
    <message>
        <source>The fit found %1, above %2: the report is of the fit&apos;s point.</source>
        <translation>L&apos;ajustement a trouvé %1, au-dessus de %2&#xa0;: le rapport porte sur le point trouvé par l&apos;ajustement.</translation>
    </message>
    <message>
        <source>No report: %1.</source>
        <translation>Pas de rapport&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Profile log likelihood of %1: the plotting range holds no point.</source>
        <translation>Log-vraisemblance profilée de %1&#xa0;: la plage du tracé ne contient aucun point.</translation>
    </message>
    <message>
        <source>Profile log likelihood of %1 from %2% to %3%: highest, %4, at %5%.</source>
        <translation>Log-vraisemblance profilée de %1, de %2&#xa0;% à %3&#xa0;%&#xa0;: maximum, %4, à %5&#xa0;%.</translation>
    </message>
    <message>
        <source>The 95% limits of %1 are %2% and %3%.</source>
        <translation>Les limites à 95&#xa0;% de %1 sont %2&#xa0;% et %3&#xa0;%.</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>pas de limite</translation>
    </message>
    <message>
        <source>quantity</source>
        <translation>grandeur</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimation</translation>
    </message>
    <message>
        <source>95% lower</source>
        <translation>limite inférieure à 95&#xa0;%</translation>
    </message>
    <message>
        <source>95% upper</source>
        <translation>limite supérieure à 95&#xa0;%</translation>
    </message>
    <message>
        <source>note</source>
        <translation>remarque</translation>
    </message>
    <message>
        <source>frequency %1</source>
        <translation>effectif %1</translation>
    </message>
    <message>
        <source>no estimate</source>
        <translation>pas d&apos;estimation</translation>
    </message>
    <message>
        <source>on the lower edge of its range</source>
        <translation>à la borne inférieure de sa plage</translation>
    </message>
    <message>
        <source>on the upper edge of its range</source>
        <translation>à la borne supérieure de sa plage</translation>
    </message>
    <message>
        <source>share of all dogs seen on one count</source>
        <translation>part de tous les chiens vus à un comptage</translation>
    </message>
    <message>
        <source>maximum log likelihood</source>
        <translation>log-vraisemblance maximale</translation>
    </message>
    <message>
        <source>dogs identified on the first count</source>
        <translation>chiens identifiés au premier comptage</translation>
    </message>
    <message>
        <source>dogs on the block</source>
        <translation>chiens de l&apos;îlot</translation>
    </message>
    <message>
        <source>fit check: G²</source>
        <translation>contrôle de l&apos;ajustement&#xa0;: G²</translation>
    </message>
    <message>
        <source>df %1, p = %2</source>
        <translation>ddl %1, p = %2</translation>
    </message>
    <message>
        <source>test of S = 0 (no always-visible dogs)</source>
        <translation>test de S = 0 (aucun chien toujours visible)</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyAnswer</name>
    <message>
        <source>No total of the city&apos;s dogs: %1.</source>
        <extracomment>%1 is the report&apos;s reason.</extracomment>
        <translation>Pas de total des chiens de la ville&#xa0;: %1.</translation>
    </message>
    <message>
        <source>About %1 dogs, %2% between %3 and %4.</source>
        <extracomment>%1 dogs in the city; %2 the interval&apos;s level in percent; %3 and %4 its limits.</extracomment>
        <translation>Environ %1 chiens (intervalle à %2&#xa0;%&#xa0;: de %3 à %4).</translation>
    </message>
    <message>
        <source>About %1 dogs (no interval: see the total row&apos;s note).</source>
        <translation>Environ %1 chiens (pas d&apos;intervalle&#xa0;: voir la remarque de la ligne du total).</translation>
    </message>
    <message>
        <source>%1 vaccine doses for %2% coverage (between %3 and %4).</source>
        <extracomment>%1 doses for a coverage of %2 percent of the dogs; %3 and %4 the doses&apos; interval.</extracomment>
        <translation>%1 doses de vaccin pour une couverture de %2&#xa0;% (entre %3 et %4).</translation>
    </message>
    <message>
        <source>%1 vaccine doses for %2% coverage.</source>
        <translation>%1 doses de vaccin pour une couverture de %2&#xa0;%.</translation>
    </message>
    <message>
        <source>%1 of the dogs are vaccinated, %2% between %3 and %4.</source>
        <extracomment>%1 is a percentage with its sign; %2 the interval&apos;s level in percent; %3 and %4 its limits, percentages with their sign.</extracomment>
        <translation>%1 des chiens sont vaccinés (intervalle à %2&#xa0;%&#xa0;: de %3 à %4).</translation>
    </message>
    <message>
        <source>%1 of the dogs are vaccinated.</source>
        <extracomment>%1 is a percentage with its sign.</extracomment>
        <translation>%1 des chiens sont vaccinés.</translation>
    </message>
    <message>
        <source>The target of %1 is reached.</source>
        <extracomment>%1 is the target coverage, a percentage with its sign.</extracomment>
        <translation>L&apos;objectif de %1 est atteint.</translation>
    </message>
    <message>
        <source>%1 doses still needed to reach %2 (between %3 and %4).</source>
        <extracomment>%2 is the target coverage, a percentage with its sign; %3 and %4 the doses&apos; interval.</extracomment>
        <translation>%1 doses encore nécessaires pour atteindre %2 (entre %3 et %4).</translation>
    </message>
    <message>
        <source>%1 doses still needed to reach %2.</source>
        <translation>%1 doses encore nécessaires pour atteindre %2.</translation>
    </message>
    <message>
        <source>no interval</source>
        <extracomment>A stratum&apos;s vaccination coverage has no interval.</extracomment>
        <translation>pas d&apos;intervalle</translation>
    </message>
    <message>
        <source>below %1: send a team back</source>
        <extracomment>%1 is the target coverage; the whole interval lies below it.</extracomment>
        <translation>en dessous de %1&#xa0;: y renvoyer une équipe</translation>
    </message>
    <message>
        <source>uncertain</source>
        <extracomment>The coverage&apos;s interval holds the target: it may or may not be met.</extracomment>
        <translation>incertain</translation>
    </message>
    <message>
        <source>The interval takes each block&apos;s design weight as given, the blocks as drawn with replacement within their stratum.</source>
        <translation>L&apos;intervalle prend le poids de sondage de chaque îlot tel qu&apos;il est indiqué, les îlots étant considérés comme tirés avec remise au sein de leur strate.</translation>
    </message>
    <message>
        <source>The interval assumes the blocks of each stratum were drawn at random.</source>
        <translation>L&apos;intervalle suppose que les îlots de chaque strate ont été tirés au hasard.</translation>
    </message>
    <message>
        <source>Where dogs without a territory differ in how shy they are, three counts cannot show it and the total is a lower bound: four or five counts, or marked dogs, measure it.</source>
        <extracomment>Dogs without a territory are seen on some counts only; &quot;shy&quot; means less often seen.</extracomment>
        <translation>Si les chiens sans territoire ne sont pas tous aussi farouches, trois comptages ne peuvent pas le montrer et le total est une borne inférieure&#xa0;: quatre ou cinq comptages, ou des chiens marqués, permettent de le mesurer.</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a number in percent</comment>
        <extracomment>A number in percent; French writes a no-break space before the sign.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyMapPicture</name>
    <message>
        <source>%1 km</source>
        <extracomment>The map&apos;s scale bar, in kilometres.</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 m</source>
        <extracomment>The map&apos;s scale bar, in metres.</extracomment>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>N ↑</source>
        <extracomment>North on the map: the first letter of the word, and an arrow.</extracomment>
        <translation>N ↑</translation>
    </message>
    <message>
        <source>a stratum&apos;s area (around its blocks)</source>
        <translation>zone d&apos;une strate (autour de ses îlots)</translation>
    </message>
    <message>
        <source>Dogs in the block, estimated with its stratum&apos;s shared visibility:</source>
        <translation>Chiens de l&apos;îlot, estimés avec la visibilité partagée de sa strate&#xa0;:</translation>
    </message>
    <message>
        <source>Dogs in the block, estimated from its own counts:</source>
        <translation>Chiens de l&apos;îlot, estimés à partir de ses propres comptages&#xa0;:</translation>
    </message>
    <message>
        <source>below %1: send a team back</source>
        <extracomment>%1 is the target coverage; the stratum&apos;s whole interval lies below it.</extracomment>
        <translation>en dessous de %1&#xa0;: y renvoyer une équipe</translation>
    </message>
    <message>
        <source>uncertain: the interval holds %1</source>
        <translation>incertain&#xa0;: l&apos;intervalle contient %1</translation>
    </message>
    <message>
        <source>%1 reached</source>
        <translation>%1 atteint</translation>
    </message>
    <message>
        <source>no interval</source>
        <extracomment>The stratum&apos;s coverage has no interval.</extracomment>
        <translation>pas d&apos;intervalle</translation>
    </message>
    <message>
        <source>The block&apos;s stratum, by its vaccination coverage:</source>
        <translation>Strate de l&apos;îlot, selon sa couverture vaccinale&#xa0;:</translation>
    </message>
    <message>
        <source>no estimate</source>
        <translation>pas d&apos;estimation</translation>
    </message>
    <message>
        <source>below %1</source>
        <extracomment>A class of blocks on the map by their dogs: fewer than %1 dogs.</extracomment>
        <translation>moins de %1</translation>
    </message>
    <message>
        <source>%1 and more</source>
        <extracomment>A class of blocks on the map by their dogs: %1 dogs or more.</extracomment>
        <translation>%1 et plus</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A class of blocks on the map by their dogs: from %1 to (not including) %2 dogs.</extracomment>
        <translation>de %1 à %2</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyReportPdf</name>
    <message>
        <source>(from %1, no upper limit)</source>
        <extracomment>%1 is a number of dogs: the block&apos;s dogs are at least that, with no upper limit.</extracomment>
        <translation>(à partir de %1, sans limite supérieure)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Days of fieldwork, &quot;11 to 20 November 2026&quot;.</extracomment>
        <translation>%1 au %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the items of a list but the last two: &quot;team 1, team 2 and team 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is all the list&apos;s items but the last, %2 its last: &quot;team 1, team 2 and team 3&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Fieldwork from %1.</source>
        <translation>Travaux de terrain du %1.</translation>
    </message>
    <message>
        <source>Fieldwork, by %1.</source>
        <extracomment>%1 is the name of the one team, as in the data.</extracomment>
        <translation>Travaux de terrain réalisés par %1.</translation>
    </message>
    <message>
        <source>Fieldwork, by %1 teams: %2.</source>
        <translation>Travaux de terrain réalisés par %1 équipes&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Fieldwork from %1, by %2.</source>
        <translation>Travaux de terrain du %1, réalisés par %2.</translation>
    </message>
    <message>
        <source>Fieldwork from %1, by %2 teams: %3.</source>
        <translation>Travaux de terrain du %1, réalisés par %2 équipes&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Free-roaming dogs counted in %1</source>
        <extracomment>%1 is the survey file&apos;s name.</extracomment>
        <translation>Chiens en divagation comptés dans %1</translation>
    </message>
    <message>
        <source>Free-roaming dogs of %1</source>
        <extracomment>%1 is the title the user gave the survey, a city&apos;s name.</extracomment>
        <translation>Chiens en divagation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Counts from %1; report written on %2 by Kestrivo %3.</source>
        <extracomment>%1 is the survey file&apos;s name, %2 today&apos;s date, %3 Kestrivo&apos;s version.</extracomment>
        <translation>Comptages tirés de %1&#xa0;; rapport établi le %2 avec Kestrivo %3.</translation>
    </message>
    <message>
        <source>The city&apos;s dogs</source>
        <translation>Les chiens de la ville</translation>
    </message>
    <message>
        <source>There is no city total: give each stratum&apos;s number of blocks in the city (or a weight column) in the survey window&apos;s design.</source>
        <translation>Pas de total pour la ville&#xa0;: indiquez le nombre d&apos;îlots de la ville de chaque strate (ou une colonne des poids) dans le plan de sondage de la fenêtre de l&apos;enquête.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Plan de sondage</translation>
    </message>
    <message>
        <source>One stratum: the whole city.</source>
        <translation>Une seule strate&#xa0;: toute la ville.</translation>
    </message>
    <message>
        <source>The city is divided into strata by the column %1; the blocks counted in each were drawn from its blocks.</source>
        <translation>La ville est divisée en strates selon la colonne %1&#xa0;; les îlots comptés dans chaque strate ont été tirés parmi ses îlots.</translation>
    </message>
    <message>
        <source>Each block stands for as many blocks of the city as its design weight in the file says.</source>
        <translation>Chaque îlot représente autant d&apos;îlots de la ville que l&apos;indique son poids de sondage dans le fichier.</translation>
    </message>
    <message>
        <source>The field data held 1 conflict, listed in the appendix.</source>
        <translation>Les données de terrain contenaient 1 conflit, présenté en annexe.</translation>
    </message>
    <message>
        <source>The field data held %1 conflicts, listed in the appendix.</source>
        <translation>Les données de terrain contenaient %1 conflits, présentés en annexe.</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Strate</translation>
    </message>
    <message>
        <source>Blocks counted</source>
        <translation>Îlots comptés</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisés</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Exclus</translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation>Îlots de la ville</translation>
    </message>
    <message>
        <source>not given</source>
        <extracomment>A stratum&apos;s number of blocks in the city was not given.</extracomment>
        <translation>non indiqué</translation>
    </message>
    <message>
        <source>%1: they differ (%2)</source>
        <extracomment>Do a stratum&apos;s blocks agree on how visible their dogs are? %1 is a bold &quot;no&quot;, %2 the test&apos;s p.</extracomment>
        <translation>%1&#xa0;: ils diffèrent (%2)</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>oui (%1)</translation>
    </message>
    <message>
        <source>%1 at least once</source>
        <extracomment>The share of a stratum&apos;s dogs seen at least once over the three counts.</extracomment>
        <translation>%1 au moins une fois</translation>
    </message>
    <message>
        <source>%1 on a count</source>
        <extracomment>The share of a stratum&apos;s dogs seen on one count.</extracomment>
        <translation>%1 à un comptage</translation>
    </message>
    <message>
        <source>Strata</source>
        <translation>Strates</translation>
    </message>
    <message>
        <source>Each stratum&apos;s dogs, with the visibility its blocks share.</source>
        <translation>Chiens de chaque strate, avec la visibilité que partagent ses îlots.</translation>
    </message>
    <message>
        <source>Share always seen</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation>Part toujours vue</translation>
    </message>
    <message>
        <source>Chance of being seen on a count</source>
        <translation>Probabilité d&apos;être vu à un comptage</translation>
    </message>
    <message>
        <source>Share of its dogs seen</source>
        <translation>Part de ses chiens qui sont vus</translation>
    </message>
    <message>
        <source>Do its blocks agree?</source>
        <translation>Ses îlots concordent-ils&#xa0;?</translation>
    </message>
    <message>
        <source>Dogs (%1 interval)</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation>Chiens (intervalle à %1)</translation>
    </message>
    <message>
        <source>Doses for %1 coverage</source>
        <extracomment>%1 is the coverage aimed at, &quot;70%&quot;.</extracomment>
        <translation>Doses pour une couverture de %1</translation>
    </message>
    <message>
        <source>the city</source>
        <extracomment>In the stratum column, where the city is its one stratum.</extracomment>
        <translation>la ville</translation>
    </message>
    <message>
        <source>No shared visibility: %1</source>
        <extracomment>%1 is the report&apos;s own reason, in English.</extracomment>
        <translation>Pas de visibilité partagée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Vaccination coverage</source>
        <translation>Couverture vaccinale</translation>
    </message>
    <message>
        <source>Coverage (%1% interval)</source>
        <extracomment>%1 is the interval&apos;s level in percent.</extracomment>
        <translation>Couverture (intervalle à %1&#xa0;%)</translation>
    </message>
    <message>
        <source>Share marked among the dogs seen</source>
        <translation>Part de chiens marqués parmi les chiens vus</translation>
    </message>
    <message>
        <source>Against %1</source>
        <extracomment>%1 is the target coverage: whether each stratum reaches it.</extracomment>
        <translation>Objectif de %1</translation>
    </message>
    <message>
        <source>Doses still needed</source>
        <translation>Doses encore nécessaires</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A coverage with its interval: %1 (from %2 to %3).</extracomment>
        <translation>%1 (%2 à %3)</translation>
    </message>
    <message>
        <source>met</source>
        <extracomment>The coverage&apos;s interval lies above the target.</extracomment>
        <translation>atteint</translation>
    </message>
    <message>
        <source>Coverage is the marked dogs over the dogs whose mark is known, each group counted over its own share seen: the share marked among the dogs seen leans towards whichever group is easier to see.</source>
        <translation>La couverture est le rapport des chiens marqués aux chiens dont la marque est connue, chaque groupe étant rapporté à sa propre part vue&#xa0;: la part de chiens marqués parmi les chiens vus penche vers le groupe le plus facile à voir.</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Îlot</translation>
    </message>
    <message>
        <source>Dogs identified on the first count</source>
        <translation>Chiens identifiés au premier comptage</translation>
    </message>
    <message>
        <source>Dogs: its own estimate (%1 interval)</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation>Chiens&#xa0;: estimation propre (intervalle à %1)</translation>
    </message>
    <message>
        <source>Dogs with its stratum&apos;s shared visibility (%1 interval)</source>
        <translation>Chiens avec la visibilité partagée de la strate (intervalle à %1)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Îlots</translation>
    </message>
    <message>
        <source>Plan: blocks to count</source>
        <translation>Planification&#xa0;: îlots à compter</translation>
    </message>
    <message>
        <source>%1 blocks</source>
        <extracomment>The number of blocks the plan recommends counting, shown in bold.</extracomment>
        <translation>%1 îlots</translation>
    </message>
    <message>
        <source>Count %1, so that the city&apos;s %2 interval is within %3 in %4 of surveys.</source>
        <extracomment>%1 is &quot;12 blocks&quot;; %2 the interval&apos;s level; %3 a precision, &quot;±20% of the total&quot;; %4 a share of surveys.</extracomment>
        <translation>Compter %1, afin que l&apos;intervalle à %2 du nombre de chiens de la ville reste dans les limites de %3 dans %4 des enquêtes.</translation>
    </message>
    <message>
        <source>Count %1: %2, so that the city&apos;s %3 interval is within %4 in %5 of surveys.</source>
        <extracomment>%2 is how the blocks are shared among the strata, as the plan says it.</extracomment>
        <translation>Compter %1&#xa0;: %2, afin que l&apos;intervalle à %3 du nombre de chiens de la ville reste dans les limites de %4 dans %5 des enquêtes.</translation>
    </message>
    <message>
        <source>the folder cannot be written: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>le dossier n&apos;est pas accessible en écriture&#xa0;: %1</translation>
    </message>
    <message>
        <source>the report could not be written.</source>
        <translation>le rapport n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>%1: is a folder.</source>
        <translation>%1&#xa0;: c&apos;est un dossier.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyWindow</name>
    <message>
        <source>%1 — Kestrivo survey</source>
        <translation>%1 — enquête Kestrivo</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Plan de sondage</translation>
    </message>
    <message>
        <source>the city or area, as the report&apos;s title</source>
        <translation>la ville ou la zone, comme titre du rapport</translation>
    </message>
    <message>
        <source>Survey title</source>
        <translation>Titre de l&apos;enquête</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>(none: one stratum)</source>
        <translation>(aucune&#xa0;: une seule strate)</translation>
    </message>
    <message>
        <source>(none: blocks drawn at random)</source>
        <translation>(aucune&#xa0;: îlots tirés au hasard)</translation>
    </message>
    <message>
        <source>Strata column</source>
        <translation>Colonne des strates</translation>
    </message>
    <message>
        <source>Design weight column</source>
        <translation>Colonne des poids de sondage</translation>
    </message>
    <message>
        <source>&amp;Strata column:</source>
        <translation>Colonne des &amp;strates&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Weight column:</source>
        <translation>Colonne des &amp;poids&#xa0;:</translation>
    </message>
    <message>
        <source>Vaccination coverage in percent</source>
        <translation>Couverture vaccinale, en pourcentage</translation>
    </message>
    <message>
        <source>Vaccination &amp;coverage:</source>
        <translation>&amp;Couverture vaccinale&#xa0;:</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Strate</translation>
    </message>
    <message>
        <source>Blocks counted</source>
        <translation>Îlots comptés</translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation>Îlots de la ville</translation>
    </message>
    <message>
        <source>Blocks in the city, by stratum</source>
        <translation>Îlots de la ville, par strate</translation>
    </message>
    <message>
        <source>City&apos;s dogs</source>
        <translation>Chiens de la ville</translation>
    </message>
    <message>
        <source>Vaccine doses</source>
        <translation>Doses de vaccin</translation>
    </message>
    <message>
        <source>What the interval assumes</source>
        <translation>Hypothèses de l&apos;intervalle</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Calcul en cours</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Blocks, strata and totals</source>
        <translation>Îlots, strates et totaux</translation>
    </message>
    <message>
        <source>Conflicts in the field data</source>
        <translation>Conflits dans les données de terrain</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Export &amp;table...</source>
        <translation>Exporter le &amp;tableau...</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exporter le tableau</translation>
    </message>
    <message>
        <source>Export &amp;map...</source>
        <translation>Exporter la &amp;carte...</translation>
    </message>
    <message>
        <source>Export map</source>
        <translation>Exporter la carte</translation>
    </message>
    <message>
        <source>Export &amp;report (PDF)...</source>
        <translation>Exporter le &amp;rapport (PDF)...</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>Save &amp;conflicts...</source>
        <translation>&amp;Enregistrer les conflits...</translation>
    </message>
    <message>
        <source>Save conflicts</source>
        <translation>Enregistrer les conflits</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Survey</source>
        <translation>&amp;Enquête</translation>
    </message>
    <message>
        <source>&amp;Plan...</source>
        <translation>&amp;Planifier...</translation>
    </message>
    <message>
        <source>&amp;Estimate the block</source>
        <translation>&amp;Estimer l&apos;îlot</translation>
    </message>
    <message>
        <source>(the city)</source>
        <translation>(la ville)</translation>
    </message>
    <message>
        <source>The number of the city&apos;s blocks in this stratum</source>
        <translation>Le nombre d&apos;îlots de la ville dans cette strate</translation>
    </message>
    <message>
        <source>Fitting %1 blocks and the city&apos;s interval...</source>
        <translation>Ajustement de %1 îlots et de l&apos;intervalle de la ville...</translation>
    </message>
    <message>
        <source>Some blocks could not be fitted: see their rows.</source>
        <translation>Certains îlots n&apos;ont pas pu être ajustés&#xa0;: voir leurs lignes.</translation>
    </message>
    <message>
        <source>%1: about %2 dogs, %3 doses</source>
        <extracomment>%1 is the stratum&apos;s name as in the data.</extracomment>
        <translation>%1&#xa0;: environ %2 chiens, %3 doses</translation>
    </message>
    <message>
        <source>Working out the city&apos;s dogs...</source>
        <translation>Calcul du nombre de chiens de la ville...</translation>
    </message>
    <message>
        <source>Give each stratum&apos;s number of blocks in the city (or a weight column) for the city&apos;s dogs.</source>
        <translation>Indiquez le nombre d&apos;îlots de la ville de chaque strate (ou une colonne des poids) pour estimer le nombre de chiens de la ville.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Écriture de %1...</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1% vaccinated (%2% to %3%)</source>
        <extracomment>A stratum&apos;s coverage in percent, %2 to %3 its interval.</extracomment>
        <translation>%1&#xa0;% vaccinés (%2&#xa0;% à %3&#xa0;%)</translation>
    </message>
    <message>
        <source>%1% vaccinated</source>
        <translation>%1&#xa0;% vaccinés</translation>
    </message>
    <message>
        <source>%1 doses still needed</source>
        <translation>%1 doses encore nécessaires</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the phrases of a stratum&apos;s line.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the strata&apos;s lines, when shown as one.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>City&apos;s dogs: %1</source>
        <extracomment>What a screen reader says of the answer: %1 is the answer&apos;s sentence.</extracomment>
        <translation>Chiens de la ville&#xa0;: %1</translation>
    </message>
    <message>
        <source>Vaccine doses: %1</source>
        <translation>Doses de vaccin&#xa0;: %1</translation>
    </message>
    <message>
        <source>By stratum: %1</source>
        <translation>Par strate&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: block &quot;%2&quot;, %3, line %4: %5</source>
        <extracomment>A conflict in the list: what it is, its block, where it was found, and its detail in English as the tabulation says it.</extracomment>
        <translation>%1&#xa0;: îlot «&#xa0;%2&#xa0;», %3, ligne %4&#xa0;: %5</translation>
    </message>
    <message>
        <source>GeoJSON for QGIS (*.geojson)</source>
        <extracomment>File types: keep each pattern in brackets as it is.</extracomment>
        <translation>GeoJSON pour QGIS (*.geojson)</translation>
    </message>
    <message>
        <source>KML for Google Earth (*.kml)</source>
        <translation>KML pour Google Earth (*.kml)</translation>
    </message>
    <message>
        <source>no block of the stratum could be read, so there is nothing to pool.</source>
        <translation>aucun îlot de la strate n&apos;a pu être lu&#xa0;: il n&apos;y a donc rien à mettre en commun.</translation>
    </message>
    <message>
        <source>the report is not ready yet.</source>
        <translation>le rapport n&apos;est pas encore prêt.</translation>
    </message>
    <message>
        <source>%1: is neither a survey (whose header names c100, c111, c101 and c110) nor field data: %2</source>
        <extracomment>%2 is the reason the field data could not be read, in English.</extracomment>
        <translation>%1&#xa0;: n&apos;est ni une enquête (dont l&apos;en-tête nomme c100, c111, c101 et c110) ni des données de terrain&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: is a survey (its header names c100, c111, c101 and c110), which opens alone; only field data come in several files.</source>
        <translation>%1&#xa0;: est une enquête (son en-tête nomme c100, c111, c101 et c110), qui s&apos;ouvre seule&#xa0;; seules les données de terrain viennent en plusieurs fichiers.</translation>
    </message>
    <message>
        <source>%1: is a second table of blocks, after %2; give one.</source>
        <translation>%1&#xa0;: est une deuxième table des îlots, après %2&#xa0;; n&apos;en donnez qu&apos;une.</translation>
    </message>
    <message>
        <source>%1: hold more than this computer&apos;s memory can tabulate.</source>
        <translation>%1&#xa0;: contiennent plus que la mémoire de cet ordinateur ne peut en tabuler.</translation>
    </message>
    <message>
        <source>%1: holds more than this computer&apos;s memory can tabulate.</source>
        <translation>%1&#xa0;: contient plus que la mémoire de cet ordinateur ne peut en tabuler.</translation>
    </message>
    <message>
        <source>%1: cannot be read.</source>
        <translation>%1&#xa0;: lecture impossible.</translation>
    </message>
</context>
</TS>
