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
        <translation>Donnez à chaque strate son propre nombre dans «&#x202f;Îlots de la ville&#x202f;».</translation>
    </message>
    <message>
        <source>%1 has no column &quot;%2&quot; for the %3.</source>
        <translation>%1 n&apos;a pas de colonne «&#x202f;%2&#x202f;» (%3).</translation>
    </message>
    <message>
        <source>Type the number of blocks in the city for &quot;%1&quot;.</source>
        <translation>Saisissez le nombre d&apos;îlots de la ville pour «&#x202f;%1&#x202f;».</translation>
    </message>
    <message>
        <source>Blocks in the city: %1 is fewer than the %2 blocks counted.</source>
        <translation>Îlots de la ville&#x202f;: %1 est inférieur aux %2 îlots comptés.</translation>
    </message>
    <message>
        <source>The design cannot be used.</source>
        <translation>Le plan de sondage ne peut pas être utilisé.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::Form1</name>
    <message>
        <source>capture history</source>
        <translation>historique de capture</translation>
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
        <translation>Rapport&#x202f;: </translation>
    </message>
    <message>
        <source>Report: none yet</source>
        <translation>Rapport&#x202f;: aucun pour l&apos;instant</translation>
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
        <translation>La langue est enregistrée&#x202f;; redémarrez Kestrivo pour l&apos;appliquer.</translation>
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
        <translation>&lt;h3&gt;Kestrivo %1&lt;/h3&gt;&lt;p&gt;Estime dans quelle mesure les chiens en divagation d&apos;un îlot sont visibles lors d&apos;un comptage de rue, à partir de trois comptages de l&apos;îlot.&lt;/p&gt;&lt;p&gt;Licence&#x202f;: MIT.&lt;/p&gt;&lt;p&gt;Réalisé avec Qt %2, NLopt (BOBYQA), Boost.Math %3 et libcsv %4.%5.%6.&lt;/p&gt;</translation>
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
        <translation>%1 est en lecture seule. Le remplacer quand même&#x202f;? Il restera en lecture seule.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#x202f;?</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
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
        <translation>%1 lignes établies, %2 enquêtes simulées&#x202f;; en cours&#x202f;: k = %3</translation>
    </message>
    <message>
        <source>% of the total</source>
        <translation>&#x202f;% du total</translation>
    </message>
    <message>
        <source>Target: the city&apos;s dogs within this percent of the total</source>
        <translation>Objectif&#x202f;: nombre de chiens de la ville estimé à ce pourcentage près du total</translation>
    </message>
    <message>
        <source>The widest acceptable interval of the city&apos;s dogs, as a percentage of the total on either side</source>
        <translation>L&apos;intervalle le plus large acceptable pour le nombre de chiens de la ville, en pourcentage du total de part et d&apos;autre</translation>
    </message>
    <message>
        <source>Plan: blocks to count — %1</source>
        <translation>Planification&#x202f;: îlots à compter — %1</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Objectif&#x202f;:</translation>
    </message>
    <message>
        <source> % of surveys</source>
        <translation>&#x202f;% des enquêtes</translation>
    </message>
    <message>
        <source>Assurance in percent of surveys</source>
        <translation>Garantie, en pourcentage des enquêtes</translation>
    </message>
    <message>
        <source>&amp;Assurance:</source>
        <translation>&amp;Garantie&#x202f;:</translation>
    </message>
    <message>
        <source>Surveys simulated for each k</source>
        <translation>Enquêtes simulées pour chaque k</translation>
    </message>
    <message>
        <source>Surveys &amp;simulated per k:</source>
        <translation>Enquêtes &amp;simulées par k&#x202f;:</translation>
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
        <translation>Nombre d&apos;îlots de la ville pour %1&#x202f;: %2.</translation>
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
        <translation>Arrêté&#x202f;: %1 tailles d&apos;échantillon avaient déjà été simulées.</translation>
    </message>
    <message>
        <source>Count %1 blocks</source>
        <translation>Compter %1 îlots</translation>
    </message>
    <message>
        <source>: </source>
        <translation>&#x202f;: </translation>
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
        <source> Not trustworthy: </source>
        <translation> Résultat peu fiable&#x202f;: </translation>
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
        <translation>&amp;Titre&#x202f;:</translation>
    </message>
    <message>
        <source>(none: one stratum)</source>
        <translation>(aucune&#x202f;: une seule strate)</translation>
    </message>
    <message>
        <source>(none: blocks drawn at random)</source>
        <translation>(aucune&#x202f;: îlots tirés au hasard)</translation>
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
        <translation>Colonne des &amp;strates&#x202f;:</translation>
    </message>
    <message>
        <source>&amp;Weight column:</source>
        <translation>Colonne des &amp;poids&#x202f;:</translation>
    </message>
    <message>
        <source>Vaccination coverage in percent</source>
        <translation>Couverture vaccinale, en pourcentage</translation>
    </message>
    <message>
        <source>Vaccination &amp;coverage:</source>
        <translation>&amp;Couverture vaccinale&#x202f;:</translation>
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
        <translation>Certains îlots n&apos;ont pas pu être ajustés&#x202f;: voir leurs lignes.</translation>
    </message>
    <message>
        <source>%1: about %2 dogs, %3 doses</source>
        <translation>%1&#x202f;: environ %2 chiens, %3 doses</translation>
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
        <source>City&apos;s dogs: </source>
        <translation>Chiens de la ville&#x202f;: </translation>
    </message>
    <message>
        <source>Vaccine doses: </source>
        <translation>Doses de vaccin&#x202f;: </translation>
    </message>
    <message>
        <source>By stratum: </source>
        <translation>Par strate&#x202f;: </translation>
    </message>
    <message>
        <source>	</source>
        <translation>	</translation>
    </message>
    <message>
        <source>
</source>
        <translation>
</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Écriture de %1...</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Enregistré&#x202f;: %1</translation>
    </message>
</context>
</TS>
