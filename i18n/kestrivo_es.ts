<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>kestrivo::window::DesignWords</name>
    <message>
        <source>%1, lines %2 and %3</source>
        <translation>%1, líneas %2 y %3</translation>
    </message>
    <message>
        <source>%1, line %2 and %3, line %4</source>
        <translation>%1, línea %2 y %3, línea %4</translation>
    </message>
    <message>
        <source>Choose a strata column for the blocks in the city by stratum.</source>
        <translation>Elija una columna de estratos para las manzanas de la ciudad por estrato.</translation>
    </message>
    <message>
        <source>Give each stratum its own number in &quot;Blocks in the city&quot;.</source>
        <translation>Indique un número propio para cada estrato en &quot;Manzanas de la ciudad&quot;.</translation>
    </message>
    <message>
        <source>%1 has no column &quot;%2&quot; for the %3.</source>
        <translation>%1 no tiene la columna &quot;%2&quot; para los %3.</translation>
    </message>
    <message>
        <source>Type the number of blocks in the city for &quot;%1&quot;.</source>
        <translation>Escriba el número de manzanas de la ciudad para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Blocks in the city: %1 is fewer than the %2 blocks counted.</source>
        <translation>Manzanas de la ciudad: %1 es menor que las %2 manzanas contadas.</translation>
    </message>
    <message>
        <source>The design cannot be used.</source>
        <translation>No se puede usar el diseño.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::Form1</name>
    <message>
        <source>capture history</source>
        <translation>historia de captura</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>parámetros</translation>
    </message>
    <message>
        <source>include as free parameter</source>
        <translation>incluir como parámetro libre</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimar</translation>
    </message>
    <message>
        <source>error on P</source>
        <translation>error de P</translation>
    </message>
    <message>
        <source>error on S</source>
        <translation>error de S</translation>
    </message>
    <message>
        <source>% plotting range</source>
        <translation>% rango del gráfico</translation>
    </message>
    <message>
        <source>simulate</source>
        <translation>simular</translation>
    </message>
    <message>
        <source>count of history </source>
        <translation>frecuencia de la historia </translation>
    </message>
    <message>
        <source>plotting range in percent</source>
        <translation>rango del gráfico en porcentaje</translation>
    </message>
    <message>
        <source>start value of P, then its estimate</source>
        <translation>valor inicial de P, luego su estimación</translation>
    </message>
    <message>
        <source>start value of S, then its estimate</source>
        <translation>valor inicial de S, luego su estimación</translation>
    </message>
    <message>
        <source>include S as free parameter</source>
        <translation>incluir S como parámetro libre</translation>
    </message>
    <message>
        <source>profile and limits of P</source>
        <translation>perfil y límites de P</translation>
    </message>
    <message>
        <source>profile and limits of S</source>
        <translation>perfil y límites de S</translation>
    </message>
    <message>
        <source>profile log likelihood plot</source>
        <translation>gráfico de la log-verosimilitud perfil</translation>
    </message>
    <message>
        <source>No plot yet.</source>
        <translation>Aún no hay gráfico.</translation>
    </message>
    <message>
        <source>Report: </source>
        <translation>Informe: </translation>
    </message>
    <message>
        <source>Report: none yet</source>
        <translation>Informe: aún no hay</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open survey...</source>
        <translation>&amp;Abrir encuesta...</translation>
    </message>
    <message>
        <source>&amp;Save counts...</source>
        <translation>&amp;Guardar conteos...</translation>
    </message>
    <message>
        <source>&amp;Export plot...</source>
        <translation>E&amp;xportar gráfico...</translation>
    </message>
    <message>
        <source>&amp;Print plot...</source>
        <translation>&amp;Imprimir gráfico...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy results</source>
        <translation>&amp;Copiar resultados</translation>
    </message>
    <message>
        <source>Copy &amp;plot</source>
        <translation>Copiar &amp;gráfico</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;About Kestrivo</source>
        <translation>&amp;Acerca de Kestrivo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language is saved; restart Kestrivo to use it.</source>
        <translation>Se guardó el idioma; reinicie Kestrivo para usarlo.</translation>
    </message>
    <message>
        <source>Reading the survey...</source>
        <translation>Leyendo la encuesta...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Print plot</source>
        <translation>Imprimir gráfico</translation>
    </message>
    <message>
        <source>Export plot</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>Kestrivo plot</source>
        <translation>Gráfico de Kestrivo</translation>
    </message>
    <message>
        <source>Kestrivo user guide</source>
        <translation>Guía del usuario de Kestrivo</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>guía del usuario</translation>
    </message>
    <message>
        <source>About Kestrivo</source>
        <translation>Acerca de Kestrivo</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kestrivo %1&lt;/h3&gt;&lt;p&gt;Estimates how visible the free-roaming dogs of a city block are to a street count, from three counts of the block.&lt;/p&gt;&lt;p&gt;Licence: MIT.&lt;/p&gt;&lt;p&gt;Built with Qt %2, NLopt (BOBYQA), Boost.Math %3 and libcsv %4.%5.%6.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kestrivo %1&lt;/h3&gt;&lt;p&gt;A partir de tres conteos de una manzana, estima qué tan visibles son sus perros de libre deambulación en un conteo callejero.&lt;/p&gt;&lt;p&gt;Licencia: MIT.&lt;/p&gt;&lt;p&gt;Compilado con Qt %2, NLopt (BOBYQA), Boost.Math %3 y libcsv %4.%5.%6.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open survey</source>
        <translation>Abrir encuesta</translation>
    </message>
    <message>
        <source>Save counts</source>
        <translation>Guardar conteos</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it all the same? It stays read-only.</source>
        <translation>%1 es de solo lectura. ¿Desea reemplazarlo de todos modos? Seguirá siendo de solo lectura.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::LeftOutWords</name>
    <message>
        <source>the number of dogs seen on the first count only (c100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of dogs seen on all three counts (c111)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of dogs seen on the first and third counts, not the second (c101)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of dogs seen on the first and second counts, not the third (c110)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of dogs first seen on the second count, and not seen again (c010)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of dogs first seen on the third count (c001)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of dogs first seen on the second count, and seen again on the third (c011)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first count only (m100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of marked dogs seen on all three counts (m111)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first and third counts, not the second (m101)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first and second counts, not the third (m110)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the second count, and not seen again (m010)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the third count (m001)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the second count, and seen again on the third (m011)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of dogs whose vaccination mark could not be told (mark_unknown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the share of the block&apos;s dogs seen on a count, held as given (s_held)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>%1 is the report&apos;s own reason, in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: line %1 of the file cannot be read (at column %2): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: line %1 of the file has &quot;%2&quot; in column %3, past the last column the header names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1 is missing (line %2 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1 is &quot;%2&quot;, not a whole number of dogs (line %3 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1 is %2, too large a number (line %3 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1 is &quot;%2&quot;, not a share from 0 to 1 (line %3 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1 is missing, while the other dogs first seen later are filled in; fill in all three or none (line %2 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1 is %2, more than the %3 dogs seen that way (line %4 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1 is %2, more than the %3 dogs seen without the mark (line %4 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is missing (line %2 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is &quot;%2&quot;, not a number of blocks (line %3 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is %2, less than the 1 block it stands for at least (line %3 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is %2, more blocks than a city has (line %3 of the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No estimate of its own: the counts on line %1 of the file give none (%2); its dogs are counted in its stratum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counted, but the plot of the block on line %1 of the file could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on a line that cannot be read</source>
        <extracomment>This phrase and the next ones start with the number of blocks left out.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a value past the header&apos;s last column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a count missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a count that is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a count too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a held share that is not from 0 to 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with the dogs first seen later only partly filled in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with more marked dogs than dogs seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with more dogs of unknown mark than dogs seen unmarked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with no weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a weight that is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a weight below 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a weight of more blocks than a city has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 whose counts give no estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 whose plot could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 for another reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 block used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 blocks used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; none left out.</source>
        <extracomment>%1 is the number of blocks used, &quot;12 blocks used&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the reasons blocks were left out for.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2 left out: %3.</source>
        <extracomment>%1 is &quot;12 blocks used&quot;; %2 the number of blocks left out; %3 the reasons, each with its number of blocks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanDialog</name>
    <message>
        <source>none</source>
        <translation>sin valor</translation>
    </message>
    <message>
        <source>%1 rows decided, %2 surveys simulated; now k = %3</source>
        <translation>%1 filas resueltas, %2 encuestas simuladas; ahora k = %3</translation>
    </message>
    <message>
        <source>% of the total</source>
        <translation> % del total</translation>
    </message>
    <message>
        <source>Target: the city&apos;s dogs within this percent of the total</source>
        <translation>Objetivo: estimar los perros de la ciudad con un error de hasta este porcentaje del total</translation>
    </message>
    <message>
        <source>The widest acceptable interval of the city&apos;s dogs, as a percentage of the total on either side</source>
        <translation>El intervalo más amplio aceptable para los perros de la ciudad, como porcentaje del total a cada lado</translation>
    </message>
    <message>
        <source>Plan: blocks to count — %1</source>
        <translation>Plan: manzanas por contar — %1</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Objetivo:</translation>
    </message>
    <message>
        <source> % of surveys</source>
        <translation> % de las encuestas</translation>
    </message>
    <message>
        <source>Assurance in percent of surveys</source>
        <translation>Garantía en porcentaje de las encuestas</translation>
    </message>
    <message>
        <source>&amp;Assurance:</source>
        <translation>&amp;Garantía:</translation>
    </message>
    <message>
        <source>Surveys simulated for each k</source>
        <translation>Encuestas simuladas para cada k</translation>
    </message>
    <message>
        <source>Surveys &amp;simulated per k:</source>
        <translation>Encuestas &amp;simuladas por k:</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Estrato</translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation>Manzanas de la ciudad</translation>
    </message>
    <message>
        <source>Blocks in the city, by stratum, for the plan</source>
        <translation>Manzanas de la ciudad, por estrato, para el plan</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Planificar</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Planificar</translation>
    </message>
    <message>
        <source>Planning</source>
        <translation>Planificando</translation>
    </message>
    <message>
        <source>Plan status</source>
        <translation>Estado del plan</translation>
    </message>
    <message>
        <source>Recommendation</source>
        <translation>Recomendación</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Manzanas</translation>
    </message>
    <message>
        <source>By stratum</source>
        <translation>Por estrato</translation>
    </message>
    <message>
        <source>Half-width, median</source>
        <translation>Semiamplitud, mediana</translation>
    </message>
    <message>
        <source>Half-width, assured</source>
        <translation>Semiamplitud, garantizada</translation>
    </message>
    <message>
        <source>Interval holds the truth</source>
        <translation>El intervalo contiene el valor real</translation>
    </message>
    <message>
        <source>Estimate ÷ truth</source>
        <translation>Estimación ÷ valor real</translation>
    </message>
    <message>
        <source>Meets target</source>
        <translation>Cumple el objetivo</translation>
    </message>
    <message>
        <source>Surveys</source>
        <translation>Encuestas</translation>
    </message>
    <message>
        <source>The half-width in the share of surveys asked for (the assurance)</source>
        <translation>La semiamplitud que se cumple en la proporción de encuestas pedida (la garantía)</translation>
    </message>
    <message>
        <source>The median of the estimated total over the true total</source>
        <translation>La mediana del cociente entre el total estimado y el total real</translation>
    </message>
    <message>
        <source>Plan rows</source>
        <translation>Filas del plan</translation>
    </message>
    <message>
        <source>The number of the city&apos;s blocks of %1 %2.</source>
        <translation>El número de manzanas de la ciudad de %1 %2.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Reading the pilot&apos;s visibility and dogs...</source>
        <translation>Leyendo la visibilidad y los perros de la encuesta piloto...</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Stopped: %1 sample sizes were simulated before it.</source>
        <translation>Detenido: se simularon %1 tamaños de muestra antes de la detención.</translation>
    </message>
    <message>
        <source>Count %1 blocks</source>
        <translation>Cuente %1 manzanas</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>No sample size meets the target.</source>
        <translation>Ningún tamaño de muestra cumple el objetivo.</translation>
    </message>
    <message>
        <source> Not trustworthy: </source>
        <translation> No es confiable: </translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanPictureWidget</name>
    <message>
        <source>Half-width of the city&apos;s interval against blocks counted</source>
        <translation>Semiamplitud del intervalo de la ciudad frente a las manzanas contadas</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanWords</name>
    <message>
        <source>These are the fewest blocks to count that bring the city&apos;s dogs within %1 in %2 of the simulated surveys.</source>
        <extracomment>%1 is a precision such as &quot;±20% of the total&quot;; %2 a share of the surveys, &quot;90%&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Within %1 would need more than %2 blocks to count a survey, more than the plan simulates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No number of blocks to count up to %1 brings the city&apos;s dogs within %2 in %3 of the simulated surveys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 and %3 on counts 1, 2 and 3</source>
        <extracomment>The chance of being seen on each of the three counts, as shares such as &quot;40%&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 until first seen, %2 once seen</source>
        <extracomment>%1 is the chance of being seen before a dog is first seen (one or more shares); %2 the chance of being seen again once it has been.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>share always seen %1</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for the other dogs, chance of being seen on a count %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dogs a block, varying between blocks with dispersion %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dogs a block, varying between blocks by chance alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dogs first seen on count 2 or 3 recorded too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the clauses of the plan&apos;s assumptions.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assumed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assumed in %1: %2.</source>
        <extracomment>%1 is the stratum&apos;s name as in the data; %2 the list of what is assumed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No share: the pilot could not tell it.</extracomment>
        <translation type="unfinished">sin valor</translation>
    </message>
    <message>
        <source>under 1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over 99%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>±%1% of the total</source>
        <extracomment>The precision wanted of the city&apos;s total, %1 in percent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The blocks to count are shared among the strata in proportion to their blocks in the city (%1).</source>
        <extracomment>%1 lists each stratum&apos;s name with its number of blocks in the city.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The blocks of each stratum are taken to be drawn at random, as the intervals assume.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlotExport</name>
    <message>
        <source>Kestrivo: profile log likelihood</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportReading</name>
    <message>
        <source>How to read this report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting a block three times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each block was walked on three counts and each dog seen was given an identity, so the counts tell which dogs were seen again. Dogs missed on every count are not in the counts; how many there are follows from how often the dogs that were seen were seen again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share always seen.</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some dogs hold a territory on the block and are seen on every count. Their share among all the block&apos;s dogs is the share always seen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chance of being seen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each of the other dogs is seen on a count by chance: the chance of being seen is how likely such a dog is to be seen on one count. The lower it is, the more dogs were missed and the more dogs the estimate adds to those seen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 interval.</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Were the survey done again in the same way, with other blocks drawn and other chances of each dog being seen, about %1 of such intervals of the city&apos;s dogs would hold the true number, where the model holds. A block&apos;s own interval speaks of that block&apos;s counts alone. Neither takes in what the counts cannot show: dogs that no count can see, dogs that came or went between the counts, or one dog taken for two.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A block&apos;s own estimate and its estimate with its stratum&apos;s shared visibility.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A block&apos;s own estimate uses its three counts alone. With 20 to 60 dogs a block tells little about how visible its dogs are, and its own estimate is often far from sure. The estimate with the shared visibility takes the share always seen and the chance of being seen from all the blocks of its stratum together, and only the dogs from the block&apos;s own counts: it is steadier, and the city&apos;s total is built from it. Where a stratum&apos;s blocks do not agree on how visible their dogs are (the test&apos;s p below 0.05), the shared visibility is an average over blocks that differ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaccination coverage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share of the dogs that carry the campaign&apos;s mark. Marked and unmarked dogs are each counted over their own chance of being seen, so that a group easier to see does not weigh more; the share marked among the dogs seen is shown beside it for comparison.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dogs of each block are estimated by closed-population capture–recapture (Otis et al. 1978) from the dogs identified on the first count and what became of them on the second and third. The model is a mixture of two classes of dogs (Pledger 2000) with one class seen on every count: a share always seen, and the rest seen on each count with one chance. It is fitted by maximum likelihood, and a block&apos;s interval is where the profile likelihood lies within 1.92 of its maximum (Venzon and Moolgavkar 1988).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Within a stratum the blocks share one share always seen and one chance of being seen, fitted from all of them together. Whether they can share them is tested by comparing each block&apos;s own fit with the shared one; the test&apos;s p comes from a parametric bootstrap, stopped early once it is clear (Besag and Clifford 1991).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the dogs first seen on the later counts are given, the shared fit also lets the chance of being seen differ between the counts, or once a dog has been seen; these models are weighed against each other by their small-sample Akaike information criterion (Hurvich and Tsai 1989) and averaged by their weights (Burnham and Anderson 2002).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The city&apos;s dogs add up the strata: each stratum&apos;s blocks&apos; dogs under its shared visibility, each block weighted by its design weight (Cochran 1977).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The city&apos;s dogs add up the strata: each stratum&apos;s blocks&apos; dogs under its shared visibility, scaled up to the stratum&apos;s blocks in the city (Cochran 1977).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interval&apos;s standard error comes from a rescaled bootstrap of the blocks within each stratum, the shared visibility fitted again in each replicate (Rao and Wu 1988; Efron and Tibshirani 1993); the interval is symmetric on the log scale, with Student&apos;s t on the degrees of freedom of Satterthwaite (1946), and never below the dogs identified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the numbers assume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each block&apos;s dogs are of two kinds: a share that hold a territory and are seen on every count, and the rest, each seen by chance on each count. The counts are close enough in time that no dog came or went.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vaccine doses for a coverage are that share of the dogs, with the same interval; after a campaign the doses still needed have their own interval from the same bootstrap. Neither counts doses lost or wasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one dog entered twice in one count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one dog&apos;s identity in two blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a count with no record that it was done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a dog seen on no known count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a dog seen without an identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a dog or count of an unknown block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two wards or places given for one block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one count sent twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identities that differ only in capitals or spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a form rejected in review, left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a form marked in review as having issues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one form read twice, counted once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a dog&apos;s vaccination mark seen on some counts only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One conflict was found while the field data were tabulated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 conflicts were found while the field data were tabulated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appendix: what the field data held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings change no count; the others were settled as the last column says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>The conflicts table&apos;s columns: what kind of conflict, and where.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2, line %3)</source>
        <extracomment>A conflict&apos;s detail, in English as the tabulation says it, then the file and line where it was found.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (a warning)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>share always seen may be none</source>
        <extracomment>Where a block&apos;s own interval reaches the edge of what was tried.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>share always seen may be all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chance of being seen may be the lowest tried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chance of being seen may be certain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>share seen may be the lowest tried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>share seen may be all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the ways a block&apos;s own interval is open.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own interval open: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyAnswer</name>
    <message>
        <source>No total of the city&apos;s dogs: %1.</source>
        <extracomment>%1 is the report&apos;s own reason, in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 dogs, %2% between %3 and %4.</source>
        <extracomment>%1 dogs in the city; %2 the interval&apos;s level in percent; %3 and %4 its limits.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 dogs (no interval: see the total row&apos;s note).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vaccine doses for %2% coverage (between %3 and %4).</source>
        <extracomment>%1 doses for a coverage of %2 percent of the dogs; %3 and %4 the doses&apos; interval.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vaccine doses for %2% coverage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the dogs are vaccinated, %2% between %3 and %4.</source>
        <extracomment>%1 is a percentage with its sign; %2 the interval&apos;s level in percent; %3 and %4 its limits, percentages with their sign.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the dogs are vaccinated.</source>
        <extracomment>%1 is a percentage with its sign.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target of %1 is reached.</source>
        <extracomment>%1 is the target coverage, a percentage with its sign.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doses still needed to reach %2 (between %3 and %4).</source>
        <extracomment>%2 is the target coverage, a percentage with its sign; %3 and %4 the doses&apos; interval.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doses still needed to reach %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no interval</source>
        <extracomment>A stratum&apos;s vaccination coverage has no interval.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below %1: send a team back</source>
        <extracomment>%1 is the target coverage; the whole interval lies below it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uncertain</source>
        <extracomment>The coverage&apos;s interval holds the target: it may or may not be met.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interval takes each block&apos;s design weight as given, the blocks as drawn with replacement within their stratum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interval assumes the blocks of each stratum were drawn at random.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where dogs without a territory differ in how shy they are, three counts cannot show it and the total is a lower bound: four or five counts, or marked dogs, measure it.</source>
        <extracomment>Dogs without a territory are seen on some counts only; &quot;shy&quot; means less often seen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyMapPicture</name>
    <message>
        <source>%1 km</source>
        <extracomment>The map&apos;s scale bar, in kilometres.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m</source>
        <extracomment>The map&apos;s scale bar, in metres.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N ↑</source>
        <extracomment>North on the map: the first letter of the word, and an arrow.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a stratum&apos;s area (around its blocks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogs in the block, estimated with its stratum&apos;s shared visibility:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogs in the block, estimated from its own counts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below %1: send a team back</source>
        <extracomment>%1 is the target coverage; the stratum&apos;s whole interval lies below it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uncertain: the interval holds %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no interval</source>
        <extracomment>The stratum&apos;s coverage has no interval.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The block&apos;s stratum, by its vaccination coverage:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyReportPdf</name>
    <message>
        <source>(from %1, no upper limit)</source>
        <extracomment>%1 is a number of dogs: the block&apos;s dogs are at least that, with no upper limit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Days of fieldwork, &quot;11 to 20 November 2026&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the items of a list but the last two: &quot;team 1, team 2 and team 3&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is all the list&apos;s items but the last, %2 its last: &quot;team 1, team 2 and team 3&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fieldwork from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fieldwork, by %1.</source>
        <extracomment>%1 is the name of the one team, as in the data.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fieldwork, by %1 teams: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fieldwork from %1, by %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fieldwork from %1, by %2 teams: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free-roaming dogs counted in %1</source>
        <extracomment>%1 is the survey file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free-roaming dogs of %1</source>
        <extracomment>%1 is the title the user gave the survey, a city&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts from %1; report written on %2 by Kestrivo %3.</source>
        <extracomment>%1 is the survey file&apos;s name, %2 today&apos;s date, %3 Kestrivo&apos;s version.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The city&apos;s dogs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no city total: give each stratum&apos;s number of blocks in the city (or a weight column) in the survey window&apos;s design.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design</source>
        <translation type="unfinished">Diseño</translation>
    </message>
    <message>
        <source>One stratum: the whole city.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The city is divided into strata by the column %1; the blocks counted in each were drawn from its blocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each block stands for as many blocks of the city as its design weight in the file says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field data held 1 conflict, listed in the appendix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field data held %1 conflicts, listed in the appendix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stratum</source>
        <extracomment>%1 is the interval&apos;s level in percent.</extracomment>
        <translation type="unfinished">Estrato</translation>
    </message>
    <message>
        <source>Blocks counted</source>
        <translation type="unfinished">Manzanas contadas</translation>
    </message>
    <message>
        <source>Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation type="unfinished">Manzanas de la ciudad</translation>
    </message>
    <message>
        <source>not given</source>
        <extracomment>A stratum&apos;s number of blocks in the city was not given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: they differ (%2)</source>
        <extracomment>Do a stratum&apos;s blocks agree on how visible their dogs are? %1 is a bold &quot;no&quot;, %2 the test&apos;s p.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished">no</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at least once</source>
        <extracomment>The share of a stratum&apos;s dogs seen at least once over the three counts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on a count</source>
        <extracomment>The share of a stratum&apos;s dogs seen on one count.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each stratum&apos;s dogs, with the visibility its blocks share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share always seen</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance of being seen on a count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share of its dogs seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do its blocks agree?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogs (%1 interval)</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doses for %1 coverage</source>
        <extracomment>%1 is the coverage aimed at, &quot;70%&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the city</source>
        <extracomment>In the stratum column, where the city is its one stratum.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No shared visibility: %1</source>
        <extracomment>%1 is the report&apos;s own reason, in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaccination coverage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coverage (%1% interval)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share marked among the dogs seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Against %1</source>
        <extracomment>%1 is the target coverage: whether each stratum reaches it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doses still needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A coverage with its interval: %1 (from %2 to %3).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>met</source>
        <extracomment>The coverage&apos;s interval lies above the target.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coverage is the marked dogs over the dogs whose mark is known, each group counted over its own share seen: the share marked among the dogs seen leans towards whichever group is easier to see.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogs identified on the first count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogs: its own estimate (%1 interval)</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogs with its stratum&apos;s shared visibility (%1 interval)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation type="unfinished">Manzanas</translation>
    </message>
    <message>
        <source>Plan: blocks to count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 blocks</source>
        <extracomment>The number of blocks the plan recommends counting, shown in bold.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count %1, so that the city&apos;s %2 interval is within %3 in %4 of surveys.</source>
        <extracomment>%1 is &quot;12 blocks&quot;; %2 the interval&apos;s level; %3 a precision, &quot;±20% of the total&quot;; %4 a share of surveys.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count %1: %2, so that the city&apos;s %3 interval is within %4 in %5 of surveys.</source>
        <extracomment>%2 is how the blocks are shared among the strata, as the plan says it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be written: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyWindow</name>
    <message>
        <source>%1 — Kestrivo survey</source>
        <translation>%1 — Encuesta de Kestrivo</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>the city or area, as the report&apos;s title</source>
        <translation>la ciudad o zona, como título del informe</translation>
    </message>
    <message>
        <source>Survey title</source>
        <translation>Título de la encuesta</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>(none: one stratum)</source>
        <translation>(ninguna: un solo estrato)</translation>
    </message>
    <message>
        <source>(none: blocks drawn at random)</source>
        <translation>(ninguna: manzanas sorteadas al azar)</translation>
    </message>
    <message>
        <source>Strata column</source>
        <translation>Columna de estratos</translation>
    </message>
    <message>
        <source>Design weight column</source>
        <translation>Columna de pesos del diseño</translation>
    </message>
    <message>
        <source>&amp;Strata column:</source>
        <translation>Columna de e&amp;stratos:</translation>
    </message>
    <message>
        <source>&amp;Weight column:</source>
        <translation>Columna de &amp;pesos:</translation>
    </message>
    <message>
        <source>Vaccination coverage in percent</source>
        <translation>Cobertura de vacunación en porcentaje</translation>
    </message>
    <message>
        <source>Vaccination &amp;coverage:</source>
        <translation>&amp;Cobertura de vacunación:</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Estrato</translation>
    </message>
    <message>
        <source>Blocks counted</source>
        <translation>Manzanas contadas</translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation>Manzanas de la ciudad</translation>
    </message>
    <message>
        <source>Blocks in the city, by stratum</source>
        <translation>Manzanas de la ciudad, por estrato</translation>
    </message>
    <message>
        <source>City&apos;s dogs</source>
        <translation>Perros de la ciudad</translation>
    </message>
    <message>
        <source>Vaccine doses</source>
        <translation>Dosis de vacuna</translation>
    </message>
    <message>
        <source>What the interval assumes</source>
        <translation>Supuestos del intervalo</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Procesando</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Blocks, strata and totals</source>
        <translation>Manzanas, estratos y totales</translation>
    </message>
    <message>
        <source>Conflicts in the field data</source>
        <translation>Conflictos en los datos de campo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Export &amp;table...</source>
        <translation>Exportar &amp;tabla...</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exportar tabla</translation>
    </message>
    <message>
        <source>Export &amp;map...</source>
        <translation>Exportar &amp;mapa...</translation>
    </message>
    <message>
        <source>Export map</source>
        <translation>Exportar mapa</translation>
    </message>
    <message>
        <source>Export &amp;report (PDF)...</source>
        <translation>Exportar &amp;informe (PDF)...</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exportar informe</translation>
    </message>
    <message>
        <source>Save &amp;conflicts...</source>
        <translation>Guardar c&amp;onflictos...</translation>
    </message>
    <message>
        <source>Save conflicts</source>
        <translation>Guardar conflictos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Survey</source>
        <translation>E&amp;ncuesta</translation>
    </message>
    <message>
        <source>&amp;Plan...</source>
        <translation>&amp;Planificar...</translation>
    </message>
    <message>
        <source>&amp;Estimate the block</source>
        <translation>&amp;Estimar la manzana</translation>
    </message>
    <message>
        <source>(the city)</source>
        <translation>(la ciudad)</translation>
    </message>
    <message>
        <source>The number of the city&apos;s blocks in this stratum</source>
        <translation>El número de manzanas de la ciudad en este estrato</translation>
    </message>
    <message>
        <source>Fitting %1 blocks and the city&apos;s interval...</source>
        <translation>Ajustando %1 manzanas y el intervalo de la ciudad...</translation>
    </message>
    <message>
        <source>Some blocks could not be fitted: see their rows.</source>
        <translation>No se pudieron ajustar algunas manzanas: vea sus filas.</translation>
    </message>
    <message>
        <source>%1: about %2 dogs, %3 doses</source>
        <extracomment>%1 is the stratum&apos;s name as in the data.</extracomment>
        <translation>%1: unos %2 perros, %3 dosis</translation>
    </message>
    <message>
        <source>Working out the city&apos;s dogs...</source>
        <translation>Calculando los perros de la ciudad...</translation>
    </message>
    <message>
        <source>Give each stratum&apos;s number of blocks in the city (or a weight column) for the city&apos;s dogs.</source>
        <translation>Para estimar los perros de la ciudad, indique el número de manzanas de la ciudad de cada estrato (o una columna de pesos).</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Escribiendo %1...</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>%1% vaccinated (%2% to %3%)</source>
        <extracomment>A stratum&apos;s coverage in percent, %2 to %3 its interval.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% vaccinated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 doses still needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the phrases of a stratum&apos;s line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the strata&apos;s lines, when shown as one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City&apos;s dogs: %1</source>
        <extracomment>What a screen reader says of the answer: %1 is the answer&apos;s sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaccine doses: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By stratum: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
