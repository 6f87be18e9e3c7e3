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
    <message>
        <source>The weight column says what each block stands for: &quot;Blocks in the city&quot; is not needed with it.</source>
        <translation>La columna de pesos indica cuántas manzanas representa cada una: con ella no se necesita &quot;Manzanas de la ciudad&quot;.</translation>
    </message>
    <message>
        <source>%1 has no column &quot;%2&quot; for the weights.</source>
        <translation>%1 no tiene la columna &quot;%2&quot; para los pesos.</translation>
    </message>
    <message>
        <source>%1 has no column &quot;%2&quot; for the strata.</source>
        <translation>%1 no tiene la columna &quot;%2&quot; para los estratos.</translation>
    </message>
    <message>
        <source>&quot;Blocks in the city&quot; names the stratum &quot;%1&quot;, which no block has.</source>
        <translation>En &quot;Manzanas de la ciudad&quot; figura el estrato &quot;%1&quot;, al que no pertenece ninguna manzana de la encuesta.</translation>
    </message>
    <message>
        <source>Blocks in the city for &quot;%1&quot;: %2 is fewer than the %3 blocks counted.</source>
        <translation>Manzanas de la ciudad para &quot;%1&quot;: %2 es menor que las %3 manzanas contadas.</translation>
    </message>
    <message>
        <source>%1: the block &quot;%2&quot; appears twice in the stratum &quot;%3&quot;; a sample holds each block once.</source>
        <translation>%1: la manzana &quot;%2&quot; aparece dos veces en el estrato &quot;%3&quot;; una muestra incluye cada manzana una sola vez.</translation>
    </message>
    <message>
        <source>%1: the block &quot;%2&quot; appears twice; a sample holds each block once.</source>
        <translation>%1: la manzana &quot;%2&quot; aparece dos veces; una muestra incluye cada manzana una sola vez.</translation>
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
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Error de punto flotante</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Library not found</source>
        <translation>No se encontró la biblioteca</translation>
    </message>
    <message>
        <source>Library damaged</source>
        <translation>Biblioteca dañada</translation>
    </message>
    <message>
        <source>Library unusable</source>
        <translation>Biblioteca no utilizable</translation>
    </message>
    <message>
        <source>No estimate</source>
        <translation>Sin estimación</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>there is not enough memory for this; nothing changed.</source>
        <translation>no hay memoria suficiente para esto; no se cambió nada.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is not a number.</source>
        <translation>en el cuadro %1, %2 no es un número.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is too large.</source>
        <translation>en el cuadro %1, %2 es demasiado grande.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is ambiguous: it could be read as %3 or as %4; type %3 or %4, without &quot;.&quot;.</source>
        <translation>en el cuadro %1, %2 es ambiguo: puede leerse como %3 o como %4; escriba %3 o %4, sin &quot;.&quot;.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 groups its digits with &quot;%3&quot;; type it without them: %4.</source>
        <translation>en el cuadro %1, %2 agrupa sus dígitos con &quot;%3&quot;; escríbalo sin ese separador: %4.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is not a share: it must lie from 0 to 1.</source>
        <translation>en el cuadro %1, %2 no es una proporción: debe estar entre 0 y 1.</translation>
    </message>
    <message>
        <source>in the %1 box, &quot;%2&quot; is negative; a frequency is a number of dogs.</source>
        <translation>en el cuadro %1, &quot;%2&quot; es negativo; una frecuencia es un número de perros.</translation>
    </message>
    <message>
        <source>all four frequencies are 0: there are no dogs to estimate from.</source>
        <translation>las cuatro frecuencias son 0: no hay perros a partir de los cuales estimar.</translation>
    </message>
    <message>
        <source>(%1% of all dogs seen)</source>
        <translation>(se ve el %1% de todos los perros)</translation>
    </message>
    <message>
        <source>maximum log likelihood = %1</source>
        <translation>log-verosimilitud máxima = %1</translation>
    </message>
    <message>
        <source>Counts 1,0,0: %1, 1,1,1: %2, 1,0,1: %3, 1,1,0: %4.</source>
        <translation>Frecuencias 1,0,0: %1; 1,1,1: %2; 1,0,1: %3; 1,1,0: %4.</translation>
    </message>
    <message>
        <source>S = %1, P = %2</source>
        <translation>S = %1, P = %2</translation>
    </message>
    <message>
        <source>S held at %1, P = %2</source>
        <translation>S fijada en %1, P = %2</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is beyond what can be plotted; a range of 100 already covers 0.01 to 0.99.</source>
        <translation>en el cuadro %1, %2 excede lo que se puede graficar; un rango de 100 ya abarca de 0,01 a 0,99.</translation>
    </message>
    <message>
        <source>these counts are impossible when S is held at %1: every dog would then be seen on every count, yet some were missed on the second or third. Hold S below 1, or tick &quot;%2&quot;.</source>
        <translation>estos conteos son imposibles con S fijada en %1: todos los perros se verían entonces en todos los conteos, pero algunos no se vieron en el segundo o el tercero. Fije S por debajo de 1 o marque &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the fit found no maximum (error code %1); no estimate is shown.</source>
        <translation>el ajuste no encontró un máximo (código de error %1); no se muestra ninguna estimación.</translation>
    </message>
    <message>
        <source>log likelihood</source>
        <translation>log-verosimilitud</translation>
    </message>
    <message>
        <source>% seen</source>
        <translation>% vistos</translation>
    </message>
    <message>
        <source>% stay</source>
        <translation>% siempre vistos</translation>
    </message>
    <message>
        <source>The plotting range holds no point of the profile: make the % plotting range larger (for example 30).</source>
        <translation>El rango del gráfico no contiene ningún punto del perfil: aumente el valor de &quot;% rango del gráfico&quot; (por ejemplo, a 30).</translation>
    </message>
    <message>
        <source>there is no plot to export yet: press &quot;%1&quot; first.</source>
        <translation>aún no hay gráfico para exportar: primero presione &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>there is no plot to print yet: press &quot;%1&quot; first.</source>
        <translation>aún no hay gráfico para imprimir: primero presione &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>there is no plot to copy yet: press &quot;%1&quot; first.</source>
        <translation>aún no hay gráfico para copiar: primero presione &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the plot could not be printed: the printer is not ready.</source>
        <translation>no se pudo imprimir el gráfico: la impresora no está lista.</translation>
    </message>
    <message>
        <source>there are no results to copy yet: press &quot;%1&quot; first.</source>
        <translation>aún no hay resultados para copiar: primero presione &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>This program can be used to estimate the proportion of free-roaming dogs seen on a count of a city block.  A sample of individually distinct dogs are identified during the first count and the number seen during a second and third count recorded.  The frequency of the four possible resulting capture histories - not seen again, seen on both the second and third counts, seen on the third but not on the second, seen on the second but not on the third - are entered in the text boxes to the left.  Click the &apos;estimate&apos; command button to generate ML estimates of the proportion permanently visible because of defending territory, S, and the probability of seeing the others, P.  Read 95% confidence limits from intersection of dotted red line with ML curve.  Uncheck check box and set S to 0 to see effect of assuming all dogs equally visible on P estimate.</source>
        <translation>Este programa permite estimar la proporción de perros de libre deambulación que se ven en un conteo de una manzana de la ciudad. En el primer conteo se identifica una muestra de perros que se pueden distinguir uno de otro, y se registra cuántos de ellos se ven en un segundo y un tercer conteo. Las frecuencias de las cuatro historias de captura posibles —no visto de nuevo, visto en el segundo y en el tercer conteo, visto en el tercero pero no en el segundo, visto en el segundo pero no en el tercero— se ingresan en los cuadros de texto de la izquierda. Haga clic en el botón &quot;estimar&quot; para obtener las estimaciones de máxima verosimilitud (MV) de la proporción permanentemente visible por defender un territorio, S, y de la probabilidad de ver a los demás perros, P. Lea los límites de confianza del 95% en la intersección de la línea roja punteada con la curva de MV. Desmarque la casilla &quot;incluir como parámetro libre&quot; y fije S en 0 para ver cómo cambia la estimación de P si se supone que todos los perros son igualmente visibles.</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <extracomment>File types of an exported plot: keep each pattern in brackets as it is.</extracomment>
        <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Survey files (*.csv);;All files (*)</source>
        <extracomment>File types: keep each pattern in brackets as it is.</extracomment>
        <translation>Archivos de encuesta (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Surveys and field exports (*.csv *.zip *.xlsx);;Survey files (*.csv);;All files (*)</source>
        <translation>Encuestas y exportaciones de campo (*.csv *.zip *.xlsx);;Archivos de encuesta (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1: cannot be opened (%2).</source>
        <extracomment>%1 names the files; %2 is the system&apos;s own reason, in English.</extracomment>
        <translation>%1: no se puede abrir (%2).</translation>
    </message>
    <message>
        <source>%1: is a folder; a survey is a CSV file.</source>
        <translation>%1: es una carpeta; una encuesta es un archivo CSV.</translation>
    </message>
    <message>
        <source>%1: is not an ordinary file; a survey is a CSV file.</source>
        <translation>%1: no es un archivo normal; una encuesta es un archivo CSV.</translation>
    </message>
    <message>
        <source>%1: at %2 MB the survey is too large to open in the window (at most %3 MB); kestrivo-report reads surveys of any size.</source>
        <translation>%1: con %2 MB, la encuesta es demasiado grande para abrirla en la ventana (máximo %3 MB); kestrivo-report lee encuestas de cualquier tamaño.</translation>
    </message>
    <message>
        <source>%1: the survey holds no block.</source>
        <translation>%1: la encuesta no contiene ninguna manzana.</translation>
    </message>
    <message>
        <source>Run-time error</source>
        <translation>Error en tiempo de ejecución</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::HeaderWords</name>
    <message>
        <source>%1: the file is empty; a survey needs a header row with c100, c111, c101 and c110.</source>
        <translation>%1: el archivo está vacío; una encuesta necesita una fila de encabezado con c100, c111, c101 y c110.</translation>
    </message>
    <message>
        <source>%1: the header (line %2, column %3) cannot be read: %4.</source>
        <extracomment>%4 is the reason the record cannot be read, in English.</extracomment>
        <translation>%1: no se puede leer el encabezado (línea %2, columna %3): %4.</translation>
    </message>
    <message>
        <source>%1: the column &quot;%2&quot; appears twice in the header.</source>
        <translation>%1: la columna &quot;%2&quot; aparece dos veces en el encabezado.</translation>
    </message>
    <message>
        <source>%1: the header lacks the columns %2; a survey needs c100, c111, c101 and c110.</source>
        <translation>%1: en el encabezado faltan las columnas %2; una encuesta necesita c100, c111, c101 y c110.</translation>
    </message>
    <message>
        <source>%1: the header lacks the column %2; a survey needs c100, c111, c101 and c110.</source>
        <translation>%1: en el encabezado falta la columna %2; una encuesta necesita c100, c111, c101 y c110.</translation>
    </message>
    <message>
        <source>%1: the header has some of m010, m001 and m011 but not all three; the marked dogs first seen later go together.</source>
        <translation>%1: el encabezado tiene algunas de las columnas m010, m001 y m011, pero no las tres; las columnas de perros marcados vistos por primera vez más tarde deben ir juntas.</translation>
    </message>
    <message>
        <source>%1: the header has c010, c001 and c011 and the marked dogs&apos; m100 to m110 but not m010, m001 and m011; give the marked dogs first seen later too.</source>
        <translation>%1: el encabezado tiene c010, c001 y c011 y las columnas de perros marcados m100 a m110, pero no m010, m001 y m011; indique también los perros marcados vistos por primera vez más tarde.</translation>
    </message>
    <message>
        <source>%1: the header has m010, m001 and m011 without c010, c001 and c011; the marked dogs first seen later are some of the dogs first seen later.</source>
        <translation>%1: el encabezado tiene m010, m001 y m011 sin c010, c001 y c011; los perros marcados vistos por primera vez más tarde forman parte de los perros vistos por primera vez más tarde.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::LeftOutWords</name>
    <message>
        <source>the number of dogs seen on the first count only (c100)</source>
        <translation>el número de perros vistos solo en el primer conteo (c100)</translation>
    </message>
    <message>
        <source>the number of dogs seen on all three counts (c111)</source>
        <translation>el número de perros vistos en los tres conteos (c111)</translation>
    </message>
    <message>
        <source>the number of dogs seen on the first and third counts, not the second (c101)</source>
        <translation>el número de perros vistos en el primer y el tercer conteo, no en el segundo (c101)</translation>
    </message>
    <message>
        <source>the number of dogs seen on the first and second counts, not the third (c110)</source>
        <translation>el número de perros vistos en el primer y el segundo conteo, no en el tercero (c110)</translation>
    </message>
    <message>
        <source>the number of dogs first seen on the second count, and not seen again (c010)</source>
        <translation>el número de perros vistos por primera vez en el segundo conteo y no vueltos a ver (c010)</translation>
    </message>
    <message>
        <source>the number of dogs first seen on the third count (c001)</source>
        <translation>el número de perros vistos por primera vez en el tercer conteo (c001)</translation>
    </message>
    <message>
        <source>the number of dogs first seen on the second count, and seen again on the third (c011)</source>
        <translation>el número de perros vistos por primera vez en el segundo conteo y vueltos a ver en el tercero (c011)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first count only (m100)</source>
        <translation>el número de perros marcados vistos solo en el primer conteo (m100)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on all three counts (m111)</source>
        <translation>el número de perros marcados vistos en los tres conteos (m111)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first and third counts, not the second (m101)</source>
        <translation>el número de perros marcados vistos en el primer y el tercer conteo, no en el segundo (m101)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first and second counts, not the third (m110)</source>
        <translation>el número de perros marcados vistos en el primer y el segundo conteo, no en el tercero (m110)</translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the second count, and not seen again (m010)</source>
        <translation>el número de perros marcados vistos por primera vez en el segundo conteo y no vueltos a ver (m010)</translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the third count (m001)</source>
        <translation>el número de perros marcados vistos por primera vez en el tercer conteo (m001)</translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the second count, and seen again on the third (m011)</source>
        <translation>el número de perros marcados vistos por primera vez en el segundo conteo y vueltos a ver en el tercero (m011)</translation>
    </message>
    <message>
        <source>the number of dogs whose vaccination mark could not be told (mark_unknown)</source>
        <translation>el número de perros cuya marca de vacunación no se pudo determinar (mark_unknown)</translation>
    </message>
    <message>
        <source>the share of the block&apos;s dogs seen on a count, held as given (s_held)</source>
        <translation>la proporción de los perros de la manzana vistos en un conteo, fijada de antemano (s_held)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>la columna %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>%1 is the report&apos;s own reason, in English.</extracomment>
        <translation>Excluida: %1.</translation>
    </message>
    <message>
        <source>Left out: line %1 of the file cannot be read (at column %2): %3.</source>
        <translation>Excluida: la línea %1 del archivo no se puede leer (en la columna %2): %3.</translation>
    </message>
    <message>
        <source>Left out: line %1 of the file has &quot;%2&quot; in column %3, past the last column the header names.</source>
        <translation>Excluida: la línea %1 del archivo tiene &quot;%2&quot; en la columna %3, después de la última columna que nombra el encabezado.</translation>
    </message>
    <message>
        <source>Left out: %1 is missing (line %2 of the file).</source>
        <translation>Excluida: falta %1 (línea %2 del archivo).</translation>
    </message>
    <message>
        <source>Left out: %1 is &quot;%2&quot;, not a whole number of dogs (line %3 of the file).</source>
        <translation>Excluida: %1 es &quot;%2&quot;, que no es un número entero de perros (línea %3 del archivo).</translation>
    </message>
    <message>
        <source>Left out: %1 is %2, too large a number (line %3 of the file).</source>
        <translation>Excluida: %1 es %2, un número demasiado grande (línea %3 del archivo).</translation>
    </message>
    <message>
        <source>Left out: %1 is &quot;%2&quot;, not a share from 0 to 1 (line %3 of the file).</source>
        <translation>Excluida: %1 es &quot;%2&quot;, que no es una proporción entre 0 y 1 (línea %3 del archivo).</translation>
    </message>
    <message>
        <source>Left out: %1 is missing, while the other dogs first seen later are filled in; fill in all three or none (line %2 of the file).</source>
        <translation>Excluida: falta %1, mientras que los otros números de perros vistos por primera vez más tarde están completos; complete los tres o ninguno (línea %2 del archivo).</translation>
    </message>
    <message>
        <source>Left out: %1 is %2, more than the %3 dogs seen that way (line %4 of the file).</source>
        <translation>Excluida: %1 es %2, más que los %3 perros vistos de esa manera (línea %4 del archivo).</translation>
    </message>
    <message>
        <source>Left out: %1 is %2, more than the %3 dogs seen without the mark (line %4 of the file).</source>
        <translation>Excluida: %1 es %2, más que los %3 perros vistos sin la marca (línea %4 del archivo).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is missing (line %2 of the file).</source>
        <translation>Excluida: falta el peso de la manzana (columna %1) (línea %2 del archivo).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is &quot;%2&quot;, not a number of blocks (line %3 of the file).</source>
        <translation>Excluida: el peso de la manzana (columna %1) es &quot;%2&quot;, que no es un número de manzanas (línea %3 del archivo).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is %2, less than the 1 block it stands for at least (line %3 of the file).</source>
        <translation>Excluida: el peso de la manzana (columna %1) es %2, menor que 1, la manzana que como mínimo representa (línea %3 del archivo).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is %2, more blocks than a city has (line %3 of the file).</source>
        <translation>Excluida: el peso de la manzana (columna %1) es %2, más manzanas de las que tiene una ciudad (línea %3 del archivo).</translation>
    </message>
    <message>
        <source>No estimate of its own: the counts on line %1 of the file give none (%2); its dogs are counted in its stratum.</source>
        <translation>Sin estimación propia: los conteos de la línea %1 del archivo no permiten obtenerla (%2); sus perros se cuentan en su estrato.</translation>
    </message>
    <message>
        <source>Counted, but the plot of the block on line %1 of the file could not be written: %2.</source>
        <translation>Contada, pero no se pudo guardar el gráfico de la manzana de la línea %1 del archivo: %2.</translation>
    </message>
    <message>
        <source>%1 on a line that cannot be read</source>
        <extracomment>This phrase and the next ones start with the number of blocks left out.</extracomment>
        <translation>%1 en una línea que no se puede leer</translation>
    </message>
    <message>
        <source>%1 with a value past the header&apos;s last column</source>
        <translation>%1 con un valor después de la última columna del encabezado</translation>
    </message>
    <message>
        <source>%1 with a count missing</source>
        <translation>%1 con un conteo faltante</translation>
    </message>
    <message>
        <source>%1 with a count that is not a whole number</source>
        <translation>%1 con un conteo que no es un número entero</translation>
    </message>
    <message>
        <source>%1 with a count too large</source>
        <translation>%1 con un conteo demasiado grande</translation>
    </message>
    <message>
        <source>%1 with a held share that is not from 0 to 1</source>
        <translation>%1 con una proporción fijada que no está entre 0 y 1</translation>
    </message>
    <message>
        <source>%1 with the dogs first seen later only partly filled in</source>
        <translation>%1 con los perros vistos por primera vez más tarde completados solo en parte</translation>
    </message>
    <message>
        <source>%1 with more marked dogs than dogs seen</source>
        <translation>%1 con más perros marcados que perros vistos</translation>
    </message>
    <message>
        <source>%1 with more dogs of unknown mark than dogs seen unmarked</source>
        <translation>%1 con más perros de marca desconocida que perros vistos sin marca</translation>
    </message>
    <message>
        <source>%1 with no weight</source>
        <translation>%1 sin peso</translation>
    </message>
    <message>
        <source>%1 with a weight that is not a number</source>
        <translation>%1 con un peso que no es un número</translation>
    </message>
    <message>
        <source>%1 with a weight below 1</source>
        <translation>%1 con un peso menor que 1</translation>
    </message>
    <message>
        <source>%1 with a weight of more blocks than a city has</source>
        <translation>%1 con un peso de más manzanas de las que tiene una ciudad</translation>
    </message>
    <message>
        <source>%1 whose counts give no estimate</source>
        <translation>%1 cuyos conteos no permiten una estimación</translation>
    </message>
    <message>
        <source>%1 whose plot could not be written</source>
        <translation>%1 cuyo gráfico no se pudo guardar</translation>
    </message>
    <message>
        <source>%1 for another reason</source>
        <translation>%1 por otro motivo</translation>
    </message>
    <message>
        <source>1 block used</source>
        <translation>1 manzana usada</translation>
    </message>
    <message>
        <source>%1; none left out.</source>
        <extracomment>%1 is the number of blocks used, &quot;12 blocks used&quot;.</extracomment>
        <translation>%1; ninguna excluida.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the reasons blocks were left out for.</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n blocks used</source>
        <translation>
            <numerusform>%n manzana usada</numerusform>
            <numerusform>%n manzanas usadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n left out: %2.</source>
        <extracomment>%1 is &quot;12 blocks used&quot;; %n the number of blocks left out; %2 the reasons, each with its number of blocks.</extracomment>
        <translation>
            <numerusform>%1; %n excluida: %2.</numerusform>
            <numerusform>%1; %n excluidas: %2.</numerusform>
        </translation>
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
        <translation>% del total</translation>
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
        <source>% of surveys</source>
        <translation>% de las encuestas</translation>
    </message>
    <message>
        <source> Not trustworthy at these assumptions: see why below.</source>
        <translation> La estimación no es confiable con estos supuestos: vea el motivo más abajo.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanPicture</name>
    <message>
        <source>Blocks counted</source>
        <translation>Manzanas contadas</translation>
    </message>
    <message>
        <source>Half-width of the city&apos;s interval, % of its total</source>
        <translation>Semiamplitud del intervalo de la ciudad, % de su total</translation>
    </message>
    <message>
        <source>half-width met in %1% of surveys</source>
        <translation>semiamplitud cumplida en el %1% de las encuestas</translation>
    </message>
    <message>
        <source>target ±%1%</source>
        <translation>objetivo ±%1%</translation>
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
        <translation>Este es el menor número de manzanas por contar con el que los perros de la ciudad quedan dentro de %1 en el %2 de las encuestas simuladas.</translation>
    </message>
    <message>
        <source>Within %1 would need more than %2 blocks to count a survey, more than the plan simulates.</source>
        <translation>Quedar dentro de %1 requeriría contar más de %2 manzanas por encuesta, más de las que simula el plan.</translation>
    </message>
    <message>
        <source>No number of blocks to count up to %1 brings the city&apos;s dogs within %2 in %3 of the simulated surveys.</source>
        <translation>Ningún número de manzanas por contar, hasta %1, deja los perros de la ciudad dentro de %2 en el %3 de las encuestas simuladas.</translation>
    </message>
    <message>
        <source>%1, %2 and %3 on counts 1, 2 and 3</source>
        <extracomment>The chance of being seen on each of the three counts, as shares such as &quot;40%&quot;.</extracomment>
        <translation>%1, %2 y %3 en los conteos 1, 2 y 3</translation>
    </message>
    <message>
        <source>%1 until first seen, %2 once seen</source>
        <extracomment>%1 is the chance of being seen before a dog is first seen (one or more shares); %2 the chance of being seen again once it has been.</extracomment>
        <translation>%1 hasta ser visto por primera vez, %2 una vez visto</translation>
    </message>
    <message>
        <source>share always seen %1</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation>proporción siempre vista %1</translation>
    </message>
    <message>
        <source>for the other dogs, chance of being seen on a count %1</source>
        <translation>para los demás perros, probabilidad de ser visto en un conteo %1</translation>
    </message>
    <message>
        <source>%1 dogs a block, varying between blocks with dispersion %2</source>
        <translation>%1 perros por manzana, que varían entre manzanas con una dispersión de %2</translation>
    </message>
    <message>
        <source>%1 dogs a block, varying between blocks by chance alone</source>
        <translation>%1 perros por manzana, que varían entre manzanas solo por azar</translation>
    </message>
    <message>
        <source>the dogs first seen on count 2 or 3 recorded too</source>
        <translation>también se registran los perros vistos por primera vez en el conteo 2 o 3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the clauses of the plan&apos;s assumptions.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Assumed: %1.</source>
        <translation>Supuestos: %1.</translation>
    </message>
    <message>
        <source>Assumed in %1: %2.</source>
        <extracomment>%1 is the stratum&apos;s name as in the data; %2 the list of what is assumed.</extracomment>
        <translation>Supuestos en %1: %2.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No share: the pilot could not tell it.</extracomment>
        <translation>sin valor</translation>
    </message>
    <message>
        <source>under 1%</source>
        <translation>menos del 1%</translation>
    </message>
    <message>
        <source>over 99%</source>
        <translation>más del 99%</translation>
    </message>
    <message>
        <source>±%1% of the total</source>
        <extracomment>The precision wanted of the city&apos;s total, %1 in percent.</extracomment>
        <translation>±%1% del total</translation>
    </message>
    <message>
        <source>The blocks to count are shared among the strata in proportion to their blocks in the city (%1).</source>
        <extracomment>%1 lists each stratum&apos;s name with its number of blocks in the city.</extracomment>
        <translation>Las manzanas por contar se reparten entre los estratos en proporción a su número de manzanas en la ciudad (%1).</translation>
    </message>
    <message>
        <source>The blocks of each stratum are taken to be drawn at random, as the intervals assume.</source>
        <translation>Se considera que las manzanas de cada estrato se sortean al azar, como suponen los intervalos.</translation>
    </message>
    <message>
        <source>The survey&apos;s estimate is not trustworthy at these assumptions: its interval held the true total in %1 of the simulated surveys (a %2 interval should in about %2)</source>
        <extracomment>%1 is how often the simulated surveys&apos; intervals held the truth; %2 the interval&apos;s level, both in percent.</extracomment>
        <translation>La estimación de la encuesta no es confiable con estos supuestos: su intervalo contuvo el total real en el %1 de las encuestas simuladas (un intervalo del %2 debería contenerlo en alrededor del %2)</translation>
    </message>
    <message>
        <source>, and its median estimate was %1 of the truth</source>
        <translation>, y su estimación mediana fue el %1 del valor real</translation>
    </message>
    <message>
        <source>; with about %1 dogs of the sample seen again on a second or third count, too few dogs are seen to estimate visibility</source>
        <translation>; con unos %1 perros de la muestra vueltos a ver en un segundo o tercer conteo, se ven demasiado pocos perros para estimar la visibilidad</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlotExport</name>
    <message>
        <source>Kestrivo: profile log likelihood</source>
        <translation>Kestrivo: log-verosimilitud perfil</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportPages</name>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportReading</name>
    <message>
        <source>How to read this report</source>
        <translation>Cómo leer este informe</translation>
    </message>
    <message>
        <source>Counting a block three times.</source>
        <translation>Tres conteos por manzana.</translation>
    </message>
    <message>
        <source>Each block was walked on three counts and each dog seen was given an identity, so the counts tell which dogs were seen again. Dogs missed on every count are not in the counts; how many there are follows from how often the dogs that were seen were seen again.</source>
        <translation>Cada manzana se recorrió en tres conteos y a cada perro visto se le asignó una identificación, de modo que los conteos muestran qué perros se volvieron a ver. Los perros que no se vieron en ningún conteo no figuran en los conteos; cuántos son se deduce de la frecuencia con que se volvieron a ver los perros que sí se vieron.</translation>
    </message>
    <message>
        <source>The share always seen.</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation>La proporción siempre vista.</translation>
    </message>
    <message>
        <source>Some dogs hold a territory on the block and are seen on every count. Their share among all the block&apos;s dogs is the share always seen.</source>
        <translation>Algunos perros tienen un territorio en la manzana y se ven en todos los conteos. Su proporción entre todos los perros de la manzana es la proporción siempre vista.</translation>
    </message>
    <message>
        <source>The chance of being seen.</source>
        <translation>La probabilidad de ser visto.</translation>
    </message>
    <message>
        <source>Each of the other dogs is seen on a count by chance: the chance of being seen is how likely such a dog is to be seen on one count. The lower it is, the more dogs were missed and the more dogs the estimate adds to those seen.</source>
        <translation>Cada uno de los demás perros se ve en un conteo por azar: la probabilidad de ser visto es la probabilidad de que un perro así se vea en un conteo. Cuanto más baja es, más perros pasaron inadvertidos y más perros suma la estimación a los vistos.</translation>
    </message>
    <message>
        <source>The %1 interval.</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation>El intervalo del %1.</translation>
    </message>
    <message>
        <source>Were the survey done again in the same way, with other blocks drawn and other chances of each dog being seen, about %1 of such intervals of the city&apos;s dogs would hold the true number, where the model holds. A block&apos;s own interval speaks of that block&apos;s counts alone. Neither takes in what the counts cannot show: dogs that no count can see, dogs that came or went between the counts, or one dog taken for two.</source>
        <translation>Si la encuesta se repitiera de la misma manera, con otras manzanas sorteadas y otras probabilidades de ver a cada perro, alrededor del %1 de esos intervalos de los perros de la ciudad contendría el número real, siempre que el modelo se cumpla. El intervalo propio de una manzana se refiere solo a los conteos de esa manzana. Ninguno de los dos abarca lo que los conteos no pueden mostrar: perros que ningún conteo puede ver, perros que llegaron o se fueron entre los conteos, o un mismo perro tomado por dos.</translation>
    </message>
    <message>
        <source>A block&apos;s own estimate and its estimate with its stratum&apos;s shared visibility.</source>
        <translation>La estimación propia de una manzana y su estimación con la visibilidad compartida del estrato.</translation>
    </message>
    <message>
        <source>A block&apos;s own estimate uses its three counts alone. With 20 to 60 dogs a block tells little about how visible its dogs are, and its own estimate is often far from sure. The estimate with the shared visibility takes the share always seen and the chance of being seen from all the blocks of its stratum together, and only the dogs from the block&apos;s own counts: it is steadier, and the city&apos;s total is built from it. Where a stratum&apos;s blocks do not agree on how visible their dogs are (the test&apos;s p below 0.05), the shared visibility is an average over blocks that differ.</source>
        <translation>La estimación propia de una manzana usa solo sus tres conteos. Con 20 a 60 perros, una manzana dice poco sobre qué tan visibles son sus perros, y su estimación propia suele ser muy incierta. La estimación con la visibilidad compartida toma la proporción siempre vista y la probabilidad de ser visto de todas las manzanas de su estrato en conjunto, y solo los perros de los conteos de la propia manzana: es más estable, y a partir de ella se calcula el total de la ciudad. Cuando las manzanas de un estrato no coinciden en qué tan visibles son sus perros (p de la prueba menor que 0,05), la visibilidad compartida es un promedio de manzanas que difieren.</translation>
    </message>
    <message>
        <source>Vaccination coverage.</source>
        <translation>Cobertura de vacunación.</translation>
    </message>
    <message>
        <source>The share of the dogs that carry the campaign&apos;s mark. Marked and unmarked dogs are each counted over their own chance of being seen, so that a group easier to see does not weigh more; the share marked among the dogs seen is shown beside it for comparison.</source>
        <translation>La proporción de los perros que llevan la marca de la campaña. Los perros marcados y los no marcados se estiman cada uno según su propia probabilidad de ser visto, para que un grupo más fácil de ver no pese más; al lado se muestra, para comparar, la proporción de marcados entre los perros vistos.</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>The dogs of each block are estimated by closed-population capture–recapture (Otis et al. 1978) from the dogs identified on the first count and what became of them on the second and third. The model is a mixture of two classes of dogs (Pledger 2000) with one class seen on every count: a share always seen, and the rest seen on each count with one chance. It is fitted by maximum likelihood, and a block&apos;s interval is where the profile likelihood lies within 1.92 of its maximum (Venzon and Moolgavkar 1988).</source>
        <translation>Los perros de cada manzana se estiman por captura–recaptura en población cerrada (Otis et al. 1978) a partir de los perros identificados en el primer conteo y de lo que ocurrió con ellos en el segundo y el tercero. El modelo es una mezcla de dos clases de perros (Pledger 2000), una de ellas vista en todos los conteos: una proporción siempre vista, y el resto visto en cada conteo con una misma probabilidad. Se ajusta por máxima verosimilitud, y el intervalo de una manzana es la región donde la verosimilitud perfil está a menos de 1,92 de su máximo (Venzon y Moolgavkar 1988).</translation>
    </message>
    <message>
        <source>Within a stratum the blocks share one share always seen and one chance of being seen, fitted from all of them together. Whether they can share them is tested by comparing each block&apos;s own fit with the shared one; the test&apos;s p comes from a parametric bootstrap, stopped early once it is clear (Besag and Clifford 1991).</source>
        <translation>Dentro de un estrato, las manzanas comparten una misma proporción siempre vista y una misma probabilidad de ser visto, ajustadas con todas ellas en conjunto. Si pueden compartirlas se pone a prueba comparando el ajuste propio de cada manzana con el compartido; la p de la prueba proviene de un bootstrap paramétrico que se detiene antes en cuanto el resultado es claro (Besag y Clifford 1991).</translation>
    </message>
    <message>
        <source>Where the dogs first seen on the later counts are given, the shared fit also lets the chance of being seen differ between the counts, or once a dog has been seen; these models are weighed against each other by their small-sample Akaike information criterion (Hurvich and Tsai 1989) and averaged by their weights (Burnham and Anderson 2002).</source>
        <translation>Cuando se dan los perros vistos por primera vez en los conteos posteriores, el ajuste compartido también permite que la probabilidad de ser visto varíe entre conteos, o una vez que un perro ya fue visto; estos modelos se comparan entre sí mediante el criterio de información de Akaike corregido para muestras pequeñas (Hurvich y Tsai 1989) y se promedian según sus pesos (Burnham y Anderson 2002).</translation>
    </message>
    <message>
        <source>The city&apos;s dogs add up the strata: each stratum&apos;s blocks&apos; dogs under its shared visibility, each block weighted by its design weight (Cochran 1977).</source>
        <translation>Los perros de la ciudad son la suma de los estratos: los perros de las manzanas de cada estrato con su visibilidad compartida, cada manzana ponderada por su peso del diseño (Cochran 1977).</translation>
    </message>
    <message>
        <source>The city&apos;s dogs add up the strata: each stratum&apos;s blocks&apos; dogs under its shared visibility, scaled up to the stratum&apos;s blocks in the city (Cochran 1977).</source>
        <translation>Los perros de la ciudad son la suma de los estratos: los perros de las manzanas de cada estrato con su visibilidad compartida, expandidos al total de manzanas del estrato en la ciudad (Cochran 1977).</translation>
    </message>
    <message>
        <source>The interval&apos;s standard error comes from a rescaled bootstrap of the blocks within each stratum, the shared visibility fitted again in each replicate (Rao and Wu 1988; Efron and Tibshirani 1993); the interval is symmetric on the log scale, with Student&apos;s t on the degrees of freedom of Satterthwaite (1946), and never below the dogs identified.</source>
        <translation>El error estándar del intervalo proviene de un bootstrap reescalado de las manzanas dentro de cada estrato, en el que la visibilidad compartida se vuelve a ajustar en cada réplica (Rao y Wu 1988; Efron y Tibshirani 1993); el intervalo es simétrico en la escala logarítmica, usa la t de Student con los grados de libertad de Satterthwaite (1946) y nunca queda por debajo de los perros identificados.</translation>
    </message>
    <message>
        <source>What the numbers assume</source>
        <translation>Supuestos de las cifras</translation>
    </message>
    <message>
        <source>Each block&apos;s dogs are of two kinds: a share that hold a territory and are seen on every count, and the rest, each seen by chance on each count. The counts are close enough in time that no dog came or went.</source>
        <translation>Los perros de cada manzana son de dos tipos: una proporción que tiene un territorio y se ve en todos los conteos, y el resto, cada uno visto por azar en cada conteo. Los conteos están lo bastante próximos en el tiempo como para que ningún perro haya llegado ni se haya ido.</translation>
    </message>
    <message>
        <source>The vaccine doses for a coverage are that share of the dogs, with the same interval; after a campaign the doses still needed have their own interval from the same bootstrap. Neither counts doses lost or wasted.</source>
        <translation>Las dosis de vacuna para una cobertura son esa proporción de los perros, con el mismo intervalo; después de una campaña, las dosis que aún faltan tienen su propio intervalo, obtenido del mismo bootstrap. Ninguna de las dos cifras incluye dosis perdidas o desperdiciadas.</translation>
    </message>
    <message>
        <source>one dog entered twice in one count</source>
        <translation>un perro anotado dos veces en un mismo conteo</translation>
    </message>
    <message>
        <source>one dog&apos;s identity in two blocks</source>
        <translation>la identificación de un perro en dos manzanas</translation>
    </message>
    <message>
        <source>a count with no record that it was done</source>
        <translation>un conteo sin registro de que se haya realizado</translation>
    </message>
    <message>
        <source>a dog seen on no known count</source>
        <translation>un perro visto en un conteo desconocido</translation>
    </message>
    <message>
        <source>a dog seen without an identity</source>
        <translation>un perro visto sin identificación</translation>
    </message>
    <message>
        <source>a dog or count of an unknown block</source>
        <translation>un perro o conteo de una manzana desconocida</translation>
    </message>
    <message>
        <source>two wards or places given for one block</source>
        <translation>dos distritos o lugares indicados para una misma manzana</translation>
    </message>
    <message>
        <source>one count sent twice</source>
        <translation>un conteo enviado dos veces</translation>
    </message>
    <message>
        <source>identities that differ only in capitals or spaces</source>
        <translation>identificaciones que solo difieren en mayúsculas o espacios</translation>
    </message>
    <message>
        <source>a form rejected in review, left out</source>
        <translation>un formulario rechazado en la revisión, excluido</translation>
    </message>
    <message>
        <source>a form marked in review as having issues</source>
        <translation>un formulario marcado en la revisión como con problemas</translation>
    </message>
    <message>
        <source>one form read twice, counted once</source>
        <translation>un formulario leído dos veces, contado una vez</translation>
    </message>
    <message>
        <source>a dog&apos;s vaccination mark seen on some counts only</source>
        <translation>la marca de vacunación de un perro vista solo en algunos conteos</translation>
    </message>
    <message>
        <source>One conflict was found while the field data were tabulated.</source>
        <translation>Se encontró un conflicto al tabular los datos de campo.</translation>
    </message>
    <message>
        <source>%1 conflicts were found while the field data were tabulated.</source>
        <translation>Se encontraron %1 conflictos al tabular los datos de campo.</translation>
    </message>
    <message>
        <source>Appendix: what the field data held</source>
        <translation>Anexo: contenido de los datos de campo</translation>
    </message>
    <message>
        <source>Warnings change no count; the others were settled as the last column says.</source>
        <translation>Las advertencias no cambian ningún conteo; los demás conflictos se resolvieron como indica la última columna.</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>The conflicts table&apos;s columns: what kind of conflict, and where.</extracomment>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Manzana</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Conteo</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>What was found</source>
        <translation>Qué se encontró</translation>
    </message>
    <message>
        <source>%1 (%2, line %3)</source>
        <extracomment>A conflict&apos;s detail, in English as the tabulation says it, then the file and line where it was found.</extracomment>
        <translation>%1 (%2, línea %3)</translation>
    </message>
    <message>
        <source> (a warning)</source>
        <translation> (advertencia)</translation>
    </message>
    <message>
        <source>share always seen may be none</source>
        <extracomment>Where a block&apos;s own interval reaches the edge of what was tried.</extracomment>
        <translation>la proporción siempre vista puede ser nula</translation>
    </message>
    <message>
        <source>share always seen may be all</source>
        <translation>la proporción siempre vista puede ser total</translation>
    </message>
    <message>
        <source>chance of being seen may be the lowest tried</source>
        <translation>la probabilidad de ser visto puede ser la más baja probada</translation>
    </message>
    <message>
        <source>chance of being seen may be certain</source>
        <translation>la probabilidad de ser visto puede llegar a la certeza</translation>
    </message>
    <message>
        <source>share seen may be the lowest tried</source>
        <translation>la proporción vista puede ser la más baja probada</translation>
    </message>
    <message>
        <source>share seen may be all</source>
        <translation>la proporción vista puede ser total</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the ways a block&apos;s own interval is open.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Own interval open: %1.</source>
        <translation>Intervalo propio abierto: %1.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportReasons</name>
    <message>
        <source>with S held at 1 every dog is seen on every count, so the counts say nothing of P</source>
        <translation>con S fijada en 1, todos los perros se ven en todos los conteos, así que los conteos no dicen nada sobre P</translation>
    </message>
    <message>
        <source>S is held, not estimated</source>
        <translation>S está fijada, no estimada</translation>
    </message>
    <message>
        <source>no dogs were counted</source>
        <translation>no se contó ningún perro</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>hay un conteo negativo</translation>
    </message>
    <message>
        <source>S is held outside 0 to 1</source>
        <translation>S está fijada en un valor que no está entre 0 y 1</translation>
    </message>
    <message>
        <source>the level must lie between 0 and 1</source>
        <translation>el nivel debe estar entre 0 y 1</translation>
    </message>
    <message>
        <source>the likelihood library is not bound</source>
        <translation>la biblioteca de verosimilitud no está enlazada</translation>
    </message>
    <message>
        <source>the report could not be computed</source>
        <translation>no se pudo calcular el informe</translation>
    </message>
    <message>
        <source>the counts are impossible when S is held at %1</source>
        <translation>los conteos son imposibles con S fijada en %1</translation>
    </message>
    <message>
        <source>the report could not be computed: %1</source>
        <extracomment>%1 is the system&apos;s own message, in English.</extracomment>
        <translation>no se pudo calcular el informe: %1</translation>
    </message>
    <message>
        <source>no block of this stratum could be read</source>
        <translation>no se pudo leer ninguna manzana de este estrato</translation>
    </message>
    <message>
        <source>the blocks hold S at different values, so they share no one visibility</source>
        <translation>las manzanas fijan S en valores distintos, así que no comparten una misma visibilidad</translation>
    </message>
    <message>
        <source>a summed count exceeds 2147483647 dogs, more than the library takes</source>
        <translation>un conteo sumado supera los 2147483647 perros, más de lo que admite la biblioteca</translation>
    </message>
    <message>
        <source>no dog was seen on these blocks, so there is no visibility to estimate; their dogs are 0 as far as the counts tell</source>
        <translation>no se vio ningún perro en estas manzanas, así que no hay visibilidad que estimar; según los conteos, tienen 0 perros</translation>
    </message>
    <message>
        <source>no number of blocks was given for this stratum</source>
        <translation>no se indicó el número de manzanas de la ciudad para este estrato</translation>
    </message>
    <message>
        <source>the visibility of this stratum&apos;s blocks cannot be fitted</source>
        <translation>no se puede ajustar la visibilidad de las manzanas de este estrato</translation>
    </message>
    <message>
        <source>the total is too large to be a number of dogs: look at the weights and numbers of blocks</source>
        <translation>el total es demasiado grande para ser un número de perros: revise los pesos y los números de manzanas</translation>
    </message>
    <message>
        <source>no dog was seen on more than one count, so nothing tells how many dogs every count missed: the visibility cannot be estimated</source>
        <translation>ningún perro se vio en más de un conteo, así que nada indica cuántos perros no se vieron en ningún conteo: no se puede estimar la visibilidad</translation>
    </message>
    <message>
        <source>no dog was seen on count 1, only on counts 2 and 3, so the visibility of count 1 cannot be estimated (was count 1 made and recorded?)</source>
        <translation>no se vio ningún perro en el conteo 1, solo en los conteos 2 y 3, así que no se puede estimar la visibilidad del conteo 1 (¿se realizó y registró el conteo 1?)</translation>
    </message>
    <message>
        <source>no dog&apos;s mark was seen clearly</source>
        <translation>no se vio con claridad la marca de ningún perro</translation>
    </message>
    <message>
        <source>no dog was seen</source>
        <translation>no se vio ningún perro</translation>
    </message>
    <message>
        <source>the visibility of the dogs seen could not be fitted</source>
        <translation>no se pudo ajustar la visibilidad de los perros vistos</translation>
    </message>
    <message>
        <source>not every block of this stratum records the dogs&apos; vaccination marks</source>
        <translation>no todas las manzanas de este estrato registran las marcas de vacunación de los perros</translation>
    </message>
    <message>
        <source>the marked dogs of a history are more than its dogs, or fewer than none</source>
        <translation>en una historia de captura, los perros marcados superan el total de perros de esa historia o son un número negativo</translation>
    </message>
    <message>
        <source>a four-history stratum has dogs first seen on count 2 or 3</source>
        <translation>un estrato de cuatro historias de captura tiene perros vistos por primera vez en el conteo 2 o 3</translation>
    </message>
    <message>
        <source>more dogs of unknown mark than dogs seen without a mark</source>
        <translation>hay más perros de marca desconocida que perros vistos sin marca</translation>
    </message>
    <message>
        <source>stratum &quot;%1&quot;: %2</source>
        <extracomment>%1 is the stratum&apos;s name as in the data; %2 why it has no total.</extracomment>
        <translation>estrato &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportStrip</name>
    <message>
        <source> (edge)</source>
        <translation> (extremo)</translation>
    </message>
    <message>
        <source>%1–%2%</source>
        <comment>a range of percentages</comment>
        <translation>%1–%2%</translation>
    </message>
    <message>
        <source>%1 in %2 separate pieces %3</source>
        <translation>%1 en %2 tramos separados %3</translation>
    </message>
    <message>
        <source> and </source>
        <comment>between two pieces of the limits</comment>
        <translation> y </translation>
    </message>
    <message>
        <source>95% limits: %1</source>
        <translation>Límites del 95%: %1</translation>
    </message>
    <message>
        <source>, seen %1</source>
        <translation>, proporción vista %1</translation>
    </message>
    <message>
        <source>; dogs on the block %1 (%2–%3)</source>
        <translation>; perros en la manzana %1 (%2–%3)</translation>
    </message>
    <message>
        <source>no upper limit</source>
        <translation>sin límite superior</translation>
    </message>
    <message>
        <source>%1 lies on the lower edge of its range (%2): the estimate and its limit stop there.</source>
        <translation>%1 está en el extremo inferior de su rango (%2): la estimación y su límite se detienen ahí.</translation>
    </message>
    <message>
        <source>%1 lies on the upper edge of its range (%2): the estimate and its limit stop there.</source>
        <translation>%1 está en el extremo superior de su rango (%2): la estimación y su límite se detienen ahí.</translation>
    </message>
    <message>
        <source>Fit check: %1.</source>
        <translation>Verificación del ajuste: %1.</translation>
    </message>
    <message>
        <source>Fit check: G² = %1 on %2 df, %3: the model fits these counts poorly.</source>
        <translation>Verificación del ajuste: G² = %1 con %2 gl, %3: el modelo se ajusta mal a estos conteos.</translation>
    </message>
    <message>
        <source>Fit check: G² = %1 on %2 df, %3: no sign of a poor fit.</source>
        <translation>Verificación del ajuste: G² = %1 con %2 gl, %3: no hay indicios de un mal ajuste.</translation>
    </message>
    <message>
        <source>S = %1, P = %2 (log likelihood %3)</source>
        <translation>S = %1, P = %2 (log-verosimilitud %3)</translation>
    </message>
    <message>
        <source>The fit stopped at %1, short of the maximum at %2: the report is of the maximum.</source>
        <translation>El ajuste se detuvo en %1, antes del máximo en %2: el informe corresponde al máximo.</translation>
    </message>
    <message>
        <source>The fit found %1, above %2: the report is of the fit&apos;s point.</source>
        <translation>El ajuste encontró %1, por encima de %2: el informe corresponde al punto del ajuste.</translation>
    </message>
    <message>
        <source>No report: %1.</source>
        <translation>Sin informe: %1.</translation>
    </message>
    <message>
        <source>Profile log likelihood of %1: the plotting range holds no point.</source>
        <translation>Log-verosimilitud perfil de %1: el rango del gráfico no contiene ningún punto.</translation>
    </message>
    <message>
        <source>Profile log likelihood of %1 from %2% to %3%: highest, %4, at %5%.</source>
        <translation>Log-verosimilitud perfil de %1 del %2% al %3%: máximo, %4, en el %5%.</translation>
    </message>
    <message>
        <source>The 95% limits of %1 are %2% and %3%.</source>
        <translation>Los límites del 95% de %1 son %2% y %3%.</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>sin límite</translation>
    </message>
    <message>
        <source>quantity</source>
        <translation>magnitud</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimación</translation>
    </message>
    <message>
        <source>95% lower</source>
        <translation>inferior 95%</translation>
    </message>
    <message>
        <source>95% upper</source>
        <translation>superior 95%</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>frequency %1</source>
        <translation>frecuencia %1</translation>
    </message>
    <message>
        <source>no estimate</source>
        <translation>sin estimación</translation>
    </message>
    <message>
        <source>on the lower edge of its range</source>
        <translation>en el extremo inferior de su rango</translation>
    </message>
    <message>
        <source>on the upper edge of its range</source>
        <translation>en el extremo superior de su rango</translation>
    </message>
    <message>
        <source>share of all dogs seen on one count</source>
        <translation>proporción del total de perros que se ve en un conteo</translation>
    </message>
    <message>
        <source>maximum log likelihood</source>
        <translation>log-verosimilitud máxima</translation>
    </message>
    <message>
        <source>dogs identified on the first count</source>
        <translation>perros identificados en el primer conteo</translation>
    </message>
    <message>
        <source>dogs on the block</source>
        <translation>perros en la manzana</translation>
    </message>
    <message>
        <source>fit check: G²</source>
        <translation>verificación del ajuste: G²</translation>
    </message>
    <message>
        <source>df %1, p = %2</source>
        <translation>gl %1, p = %2</translation>
    </message>
    <message>
        <source>test of S = 0 (no always-visible dogs)</source>
        <translation>prueba de S = 0 (ningún perro siempre visible)</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyAnswer</name>
    <message>
        <source>No total of the city&apos;s dogs: %1.</source>
        <extracomment>%1 is the report&apos;s reason.</extracomment>
        <translation>Sin total de perros de la ciudad: %1.</translation>
    </message>
    <message>
        <source>About %1 dogs, %2% between %3 and %4.</source>
        <extracomment>%1 dogs in the city; %2 the interval&apos;s level in percent; %3 and %4 its limits.</extracomment>
        <translation>Unos %1 perros (intervalo del %2%: entre %3 y %4).</translation>
    </message>
    <message>
        <source>About %1 dogs (no interval: see the total row&apos;s note).</source>
        <translation>Unos %1 perros (sin intervalo: vea la nota de la fila del total).</translation>
    </message>
    <message>
        <source>%1 vaccine doses for %2% coverage (between %3 and %4).</source>
        <extracomment>%1 doses for a coverage of %2 percent of the dogs; %3 and %4 the doses&apos; interval.</extracomment>
        <translation>%1 dosis de vacuna para una cobertura del %2% (entre %3 y %4).</translation>
    </message>
    <message>
        <source>%1 vaccine doses for %2% coverage.</source>
        <translation>%1 dosis de vacuna para una cobertura del %2%.</translation>
    </message>
    <message>
        <source>%1 of the dogs are vaccinated, %2% between %3 and %4.</source>
        <extracomment>%1 is a percentage with its sign; %2 the interval&apos;s level in percent; %3 and %4 its limits, percentages with their sign.</extracomment>
        <translation>El %1 de los perros está vacunado (intervalo del %2%: entre %3 y %4).</translation>
    </message>
    <message>
        <source>%1 of the dogs are vaccinated.</source>
        <extracomment>%1 is a percentage with its sign.</extracomment>
        <translation>El %1 de los perros está vacunado.</translation>
    </message>
    <message>
        <source>The target of %1 is reached.</source>
        <extracomment>%1 is the target coverage, a percentage with its sign.</extracomment>
        <translation>Se alcanza el objetivo del %1.</translation>
    </message>
    <message>
        <source>%1 doses still needed to reach %2 (between %3 and %4).</source>
        <extracomment>%2 is the target coverage, a percentage with its sign; %3 and %4 the doses&apos; interval.</extracomment>
        <translation>Faltan %1 dosis para alcanzar el %2 (entre %3 y %4).</translation>
    </message>
    <message>
        <source>%1 doses still needed to reach %2.</source>
        <translation>Faltan %1 dosis para alcanzar el %2.</translation>
    </message>
    <message>
        <source>no interval</source>
        <extracomment>A stratum&apos;s vaccination coverage has no interval.</extracomment>
        <translation>sin intervalo</translation>
    </message>
    <message>
        <source>below %1: send a team back</source>
        <extracomment>%1 is the target coverage; the whole interval lies below it.</extracomment>
        <translation>por debajo del %1: envíe de nuevo un equipo</translation>
    </message>
    <message>
        <source>uncertain</source>
        <extracomment>The coverage&apos;s interval holds the target: it may or may not be met.</extracomment>
        <translation>incierto</translation>
    </message>
    <message>
        <source>The interval takes each block&apos;s design weight as given, the blocks as drawn with replacement within their stratum.</source>
        <translation>El intervalo toma como dado el peso del diseño de cada manzana y considera que las manzanas se sortearon con reemplazo dentro de su estrato.</translation>
    </message>
    <message>
        <source>The interval assumes the blocks of each stratum were drawn at random.</source>
        <translation>El intervalo supone que las manzanas de cada estrato se sortearon al azar.</translation>
    </message>
    <message>
        <source>Where dogs without a territory differ in how shy they are, three counts cannot show it and the total is a lower bound: four or five counts, or marked dogs, measure it.</source>
        <extracomment>Dogs without a territory are seen on some counts only; &quot;shy&quot; means less often seen.</extracomment>
        <translation>Si los perros sin territorio difieren en qué tan esquivos son, tres conteos no pueden mostrarlo y el total es un límite inferior: cuatro o cinco conteos, o perros marcados, permiten medirlo.</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a number in percent</comment>
        <extracomment>A number in percent; French writes a no-break space before the sign.</extracomment>
        <translation>%1%</translation>
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
        <translation>el área de un estrato (alrededor de sus manzanas)</translation>
    </message>
    <message>
        <source>Dogs in the block, estimated with its stratum&apos;s shared visibility:</source>
        <translation>Perros en la manzana, estimados con la visibilidad compartida del estrato:</translation>
    </message>
    <message>
        <source>Dogs in the block, estimated from its own counts:</source>
        <translation>Perros en la manzana, estimados a partir de sus propios conteos:</translation>
    </message>
    <message>
        <source>below %1: send a team back</source>
        <extracomment>%1 is the target coverage; the stratum&apos;s whole interval lies below it.</extracomment>
        <translation>por debajo del %1: envíe de nuevo un equipo</translation>
    </message>
    <message>
        <source>uncertain: the interval holds %1</source>
        <translation>incierto: el intervalo incluye el %1</translation>
    </message>
    <message>
        <source>%1 reached</source>
        <translation>%1 alcanzado</translation>
    </message>
    <message>
        <source>no interval</source>
        <extracomment>The stratum&apos;s coverage has no interval.</extracomment>
        <translation>sin intervalo</translation>
    </message>
    <message>
        <source>The block&apos;s stratum, by its vaccination coverage:</source>
        <translation>El estrato de la manzana, según su cobertura de vacunación:</translation>
    </message>
    <message>
        <source>no estimate</source>
        <translation>sin estimación</translation>
    </message>
    <message>
        <source>below %1</source>
        <extracomment>A class of blocks on the map by their dogs: fewer than %1 dogs.</extracomment>
        <translation>menos de %1</translation>
    </message>
    <message>
        <source>%1 and more</source>
        <extracomment>A class of blocks on the map by their dogs: %1 dogs or more.</extracomment>
        <translation>%1 o más</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A class of blocks on the map by their dogs: from %1 to (not including) %2 dogs.</extracomment>
        <translation>de %1 a %2</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyReportPdf</name>
    <message>
        <source>(from %1, no upper limit)</source>
        <extracomment>%1 is a number of dogs: the block&apos;s dogs are at least that, with no upper limit.</extracomment>
        <translation>(desde %1, sin límite superior)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Days of fieldwork, &quot;11 to 20 November 2026&quot;.</extracomment>
        <translation>%1 al %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the items of a list but the last two: &quot;team 1, team 2 and team 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is all the list&apos;s items but the last, %2 its last: &quot;team 1, team 2 and team 3&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Fieldwork from %1.</source>
        <translation>Trabajo de campo del %1.</translation>
    </message>
    <message>
        <source>Fieldwork, by %1.</source>
        <extracomment>%1 is the name of the one team, as in the data.</extracomment>
        <translation>Trabajo de campo realizado por %1.</translation>
    </message>
    <message>
        <source>Fieldwork, by %1 teams: %2.</source>
        <translation>Trabajo de campo realizado por %1 equipos: %2.</translation>
    </message>
    <message>
        <source>Fieldwork from %1, by %2.</source>
        <translation>Trabajo de campo del %1, realizado por %2.</translation>
    </message>
    <message>
        <source>Fieldwork from %1, by %2 teams: %3.</source>
        <translation>Trabajo de campo del %1, realizado por %2 equipos: %3.</translation>
    </message>
    <message>
        <source>Free-roaming dogs counted in %1</source>
        <extracomment>%1 is the survey file&apos;s name.</extracomment>
        <translation>Perros de libre deambulación contados en %1</translation>
    </message>
    <message>
        <source>Free-roaming dogs of %1</source>
        <extracomment>%1 is the title the user gave the survey, a city&apos;s name.</extracomment>
        <translation>Perros de libre deambulación de %1</translation>
    </message>
    <message>
        <source>Counts from %1; report written on %2 by Kestrivo %3.</source>
        <extracomment>%1 is the survey file&apos;s name, %2 today&apos;s date, %3 Kestrivo&apos;s version.</extracomment>
        <translation>Conteos de %1; informe generado el %2 por Kestrivo %3.</translation>
    </message>
    <message>
        <source>The city&apos;s dogs</source>
        <translation>Los perros de la ciudad</translation>
    </message>
    <message>
        <source>There is no city total: give each stratum&apos;s number of blocks in the city (or a weight column) in the survey window&apos;s design.</source>
        <translation>No hay total de la ciudad: indique el número de manzanas de la ciudad de cada estrato (o una columna de pesos) en el diseño de la ventana de la encuesta.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>One stratum: the whole city.</source>
        <translation>Un solo estrato: toda la ciudad.</translation>
    </message>
    <message>
        <source>The city is divided into strata by the column %1; the blocks counted in each were drawn from its blocks.</source>
        <translation>La ciudad está dividida en estratos según la columna %1; las manzanas contadas en cada uno se sortearon entre sus manzanas.</translation>
    </message>
    <message>
        <source>Each block stands for as many blocks of the city as its design weight in the file says.</source>
        <translation>Cada manzana representa tantas manzanas de la ciudad como indica su peso del diseño en el archivo.</translation>
    </message>
    <message>
        <source>The field data held 1 conflict, listed in the appendix.</source>
        <translation>Los datos de campo tenían 1 conflicto, que se detalla en el anexo.</translation>
    </message>
    <message>
        <source>The field data held %1 conflicts, listed in the appendix.</source>
        <translation>Los datos de campo tenían %1 conflictos, que se detallan en el anexo.</translation>
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
        <source>Used</source>
        <translation>Usadas</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Excluidas</translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation>Manzanas de la ciudad</translation>
    </message>
    <message>
        <source>not given</source>
        <extracomment>A stratum&apos;s number of blocks in the city was not given.</extracomment>
        <translation>no indicado</translation>
    </message>
    <message>
        <source>%1: they differ (%2)</source>
        <extracomment>Do a stratum&apos;s blocks agree on how visible their dogs are? %1 is a bold &quot;no&quot;, %2 the test&apos;s p.</extracomment>
        <translation>%1: difieren (%2)</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>sí (%1)</translation>
    </message>
    <message>
        <source>%1 at least once</source>
        <extracomment>The share of a stratum&apos;s dogs seen at least once over the three counts.</extracomment>
        <translation>%1 al menos una vez</translation>
    </message>
    <message>
        <source>%1 on a count</source>
        <extracomment>The share of a stratum&apos;s dogs seen on one count.</extracomment>
        <translation>%1 en un conteo</translation>
    </message>
    <message>
        <source>Strata</source>
        <translation>Estratos</translation>
    </message>
    <message>
        <source>Each stratum&apos;s dogs, with the visibility its blocks share.</source>
        <translation>Los perros de cada estrato, con la visibilidad que comparten sus manzanas.</translation>
    </message>
    <message>
        <source>Share always seen</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation>Proporción siempre vista</translation>
    </message>
    <message>
        <source>Chance of being seen on a count</source>
        <translation>Probabilidad de ser visto en un conteo</translation>
    </message>
    <message>
        <source>Share of its dogs seen</source>
        <translation>Proporción de sus perros vistos</translation>
    </message>
    <message>
        <source>Do its blocks agree?</source>
        <translation>¿Coinciden sus manzanas?</translation>
    </message>
    <message>
        <source>Dogs (%1 interval)</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation>Perros (intervalo del %1)</translation>
    </message>
    <message>
        <source>Doses for %1 coverage</source>
        <extracomment>%1 is the coverage aimed at, &quot;70%&quot;.</extracomment>
        <translation>Dosis para una cobertura del %1</translation>
    </message>
    <message>
        <source>the city</source>
        <extracomment>In the stratum column, where the city is its one stratum.</extracomment>
        <translation>la ciudad</translation>
    </message>
    <message>
        <source>No shared visibility: %1</source>
        <extracomment>%1 is the report&apos;s own reason, in English.</extracomment>
        <translation>Sin visibilidad compartida: %1</translation>
    </message>
    <message>
        <source>Vaccination coverage</source>
        <translation>Cobertura de vacunación</translation>
    </message>
    <message>
        <source>Coverage (%1% interval)</source>
        <extracomment>%1 is the interval&apos;s level in percent.</extracomment>
        <translation>Cobertura (intervalo del %1%)</translation>
    </message>
    <message>
        <source>Share marked among the dogs seen</source>
        <translation>Proporción de marcados entre los perros vistos</translation>
    </message>
    <message>
        <source>Against %1</source>
        <extracomment>%1 is the target coverage: whether each stratum reaches it.</extracomment>
        <translation>Frente al %1</translation>
    </message>
    <message>
        <source>Doses still needed</source>
        <translation>Dosis que aún faltan</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A coverage with its interval: %1 (from %2 to %3).</extracomment>
        <translation>%1 (%2 a %3)</translation>
    </message>
    <message>
        <source>met</source>
        <extracomment>The coverage&apos;s interval lies above the target.</extracomment>
        <translation>alcanzado</translation>
    </message>
    <message>
        <source>Coverage is the marked dogs over the dogs whose mark is known, each group counted over its own share seen: the share marked among the dogs seen leans towards whichever group is easier to see.</source>
        <translation>La cobertura es el número de perros marcados sobre el de perros cuya marca se conoce, cada grupo estimado según su propia proporción vista: la proporción de marcados entre los perros vistos se inclina hacia el grupo que sea más fácil de ver.</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Manzana</translation>
    </message>
    <message>
        <source>Dogs identified on the first count</source>
        <translation>Perros identificados en el primer conteo</translation>
    </message>
    <message>
        <source>Dogs: its own estimate (%1 interval)</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation>Perros: estimación propia (intervalo del %1)</translation>
    </message>
    <message>
        <source>Dogs with its stratum&apos;s shared visibility (%1 interval)</source>
        <translation>Perros con la visibilidad compartida del estrato (intervalo del %1)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Manzanas</translation>
    </message>
    <message>
        <source>Plan: blocks to count</source>
        <translation>Plan: manzanas por contar</translation>
    </message>
    <message>
        <source>%1 blocks</source>
        <extracomment>The number of blocks the plan recommends counting, shown in bold.</extracomment>
        <translation>%1 manzanas</translation>
    </message>
    <message>
        <source>Count %1, so that the city&apos;s %2 interval is within %3 in %4 of surveys.</source>
        <extracomment>%1 is &quot;12 blocks&quot;; %2 the interval&apos;s level; %3 a precision, &quot;±20% of the total&quot;; %4 a share of surveys.</extracomment>
        <translation>Cuente %1, para que el intervalo del %2 de la ciudad quede dentro de %3 en el %4 de las encuestas.</translation>
    </message>
    <message>
        <source>Count %1: %2, so that the city&apos;s %3 interval is within %4 in %5 of surveys.</source>
        <extracomment>%2 is how the blocks are shared among the strata, as the plan says it.</extracomment>
        <translation>Cuente %1: %2, para que el intervalo del %3 de la ciudad quede dentro de %4 en el %5 de las encuestas.</translation>
    </message>
    <message>
        <source>the folder cannot be written: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>no se puede escribir en la carpeta: %1</translation>
    </message>
    <message>
        <source>the report could not be written.</source>
        <translation>no se pudo guardar el informe.</translation>
    </message>
    <message>
        <source>%1: is a folder.</source>
        <translation>%1: es una carpeta.</translation>
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
        <translation>Guardando %1...</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>%1% vaccinated (%2% to %3%)</source>
        <extracomment>A stratum&apos;s coverage in percent, %2 to %3 its interval.</extracomment>
        <translation>%1% vacunados (%2% a %3%)</translation>
    </message>
    <message>
        <source>%1% vaccinated</source>
        <translation>%1% vacunados</translation>
    </message>
    <message>
        <source>%1 doses still needed</source>
        <translation>faltan %1 dosis</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the phrases of a stratum&apos;s line.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the strata&apos;s lines, when shown as one.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>City&apos;s dogs: %1</source>
        <extracomment>What a screen reader says of the answer: %1 is the answer&apos;s sentence.</extracomment>
        <translation>Perros de la ciudad: %1</translation>
    </message>
    <message>
        <source>Vaccine doses: %1</source>
        <translation>Dosis de vacuna: %1</translation>
    </message>
    <message>
        <source>By stratum: %1</source>
        <translation>Por estrato: %1</translation>
    </message>
    <message>
        <source>%1: block &quot;%2&quot;, %3, line %4: %5</source>
        <extracomment>A conflict in the list: what it is, its block, where it was found, and its detail in English as the tabulation says it.</extracomment>
        <translation>%1: manzana &quot;%2&quot;, %3, línea %4: %5</translation>
    </message>
    <message>
        <source>GeoJSON for QGIS (*.geojson)</source>
        <extracomment>File types: keep each pattern in brackets as it is.</extracomment>
        <translation>GeoJSON para QGIS (*.geojson)</translation>
    </message>
    <message>
        <source>KML for Google Earth (*.kml)</source>
        <translation>KML para Google Earth (*.kml)</translation>
    </message>
    <message>
        <source>no block of the stratum could be read, so there is nothing to pool.</source>
        <translation>no se pudo leer ninguna manzana del estrato, así que no hay nada que agrupar.</translation>
    </message>
    <message>
        <source>the report is not ready yet.</source>
        <translation>el informe aún no está listo.</translation>
    </message>
    <message>
        <source>%1: is neither a survey (whose header names c100, c111, c101 and c110) nor field data: %2</source>
        <extracomment>%2 is the reason the field data could not be read, in English.</extracomment>
        <translation>%1: no es ni una encuesta (cuyo encabezado nombra c100, c111, c101 y c110) ni datos de campo: %2</translation>
    </message>
    <message>
        <source>%1: is a survey (its header names c100, c111, c101 and c110), which opens alone; only field data come in several files.</source>
        <translation>%1: es una encuesta (su encabezado nombra c100, c111, c101 y c110), que se abre sola; solo los datos de campo vienen en varios archivos.</translation>
    </message>
    <message>
        <source>%1: is a second table of blocks, after %2; give one.</source>
        <translation>%1: es una segunda tabla de manzanas, después de %2; indique solo una.</translation>
    </message>
    <message>
        <source>%1: hold more than this computer&apos;s memory can tabulate.</source>
        <translation>%1: contienen más de lo que la memoria de esta computadora puede tabular.</translation>
    </message>
    <message>
        <source>%1: holds more than this computer&apos;s memory can tabulate.</source>
        <translation>%1: contiene más de lo que la memoria de esta computadora puede tabular.</translation>
    </message>
    <message>
        <source>%1: cannot be read.</source>
        <translation>%1: no se puede leer.</translation>
    </message>
</context>
</TS>
