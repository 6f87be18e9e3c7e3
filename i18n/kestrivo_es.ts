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
        <source>City&apos;s dogs: </source>
        <translation>Perros de la ciudad: </translation>
    </message>
    <message>
        <source>Vaccine doses: </source>
        <translation>Dosis de vacuna: </translation>
    </message>
    <message>
        <source>By stratum: </source>
        <translation>Por estrato: </translation>
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
        <translation>Escribiendo %1...</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Guardado: %1</translation>
    </message>
</context>
</TS>
