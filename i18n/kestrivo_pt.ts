<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>kestrivo::window::DesignWords</name>
    <message>
        <source>%1, lines %2 and %3</source>
        <translation>%1, linhas %2 e %3</translation>
    </message>
    <message>
        <source>%1, line %2 and %3, line %4</source>
        <translation>%1, linha %2 e %3, linha %4</translation>
    </message>
    <message>
        <source>Choose a strata column for the blocks in the city by stratum.</source>
        <translation>Escolha uma coluna de estratos para indicar os quarteirões na cidade por estrato.</translation>
    </message>
    <message>
        <source>Give each stratum its own number in &quot;Blocks in the city&quot;.</source>
        <translation>Indique um número próprio para cada estrato em «Quarteirões na cidade».</translation>
    </message>
    <message>
        <source>Type the number of blocks in the city for &quot;%1&quot;.</source>
        <translation>Indique o número de quarteirões na cidade do estrato «%1».</translation>
    </message>
    <message>
        <source>Blocks in the city: %1 is fewer than the %2 blocks counted.</source>
        <translation>Quarteirões na cidade: %1 é menos do que os %2 quarteirões contados.</translation>
    </message>
    <message>
        <source>The design cannot be used.</source>
        <translation>Não é possível usar este desenho amostral.</translation>
    </message>
    <message>
        <source>The weight column says what each block stands for: &quot;Blocks in the city&quot; is not needed with it.</source>
        <translation>A coluna de pesos já indica quantos quarteirões cada quarteirão representa: com ela, não é preciso indicar «Quarteirões na cidade».</translation>
    </message>
    <message>
        <source>%1 has no column &quot;%2&quot; for the weights.</source>
        <translation>%1 não tem a coluna «%2» para os pesos.</translation>
    </message>
    <message>
        <source>%1 has no column &quot;%2&quot; for the strata.</source>
        <translation>%1 não tem a coluna «%2» para os estratos.</translation>
    </message>
    <message>
        <source>&quot;Blocks in the city&quot; names the stratum &quot;%1&quot;, which no block has.</source>
        <translation>«Quarteirões na cidade» indica o estrato «%1», ao qual não pertence nenhum quarteirão.</translation>
    </message>
    <message>
        <source>Blocks in the city for &quot;%1&quot;: %2 is fewer than the %3 blocks counted.</source>
        <translation>Quarteirões na cidade do estrato «%1»: %2 é menos do que os %3 quarteirões contados.</translation>
    </message>
    <message>
        <source>%1: the block &quot;%2&quot; appears twice in the stratum &quot;%3&quot;; a sample holds each block once.</source>
        <translation>%1: o quarteirão «%2» aparece duas vezes no estrato «%3»; numa amostra, cada quarteirão figura uma só vez.</translation>
    </message>
    <message>
        <source>%1: the block &quot;%2&quot; appears twice; a sample holds each block once.</source>
        <translation>%1: o quarteirão «%2» aparece duas vezes; numa amostra, cada quarteirão figura uma só vez.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::Form1</name>
    <message>
        <source>capture history</source>
        <translation>hist. de captura</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequência</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>parâmetros</translation>
    </message>
    <message>
        <source>include as free parameter</source>
        <translation>parâmetro livre</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimar</translation>
    </message>
    <message>
        <source>error on P</source>
        <translation>erro de P</translation>
    </message>
    <message>
        <source>error on S</source>
        <translation>erro de S</translation>
    </message>
    <message>
        <source>% plotting range</source>
        <translation>% de amplitude</translation>
    </message>
    <message>
        <source>simulate</source>
        <translation>simular</translation>
    </message>
    <message>
        <source>count of history </source>
        <translation>frequência do histórico </translation>
    </message>
    <message>
        <source>plotting range in percent</source>
        <translation>amplitude do gráfico em percentagem</translation>
    </message>
    <message>
        <source>start value of P, then its estimate</source>
        <translation>valor inicial de P, depois a sua estimativa</translation>
    </message>
    <message>
        <source>start value of S, then its estimate</source>
        <translation>valor inicial de S, depois a sua estimativa</translation>
    </message>
    <message>
        <source>include S as free parameter</source>
        <translation>incluir S como parâmetro livre</translation>
    </message>
    <message>
        <source>profile and limits of P</source>
        <translation>perfil e limites de P</translation>
    </message>
    <message>
        <source>profile and limits of S</source>
        <translation>perfil e limites de S</translation>
    </message>
    <message>
        <source>profile log likelihood plot</source>
        <translation>gráfico do perfil da log-verosimilhança</translation>
    </message>
    <message>
        <source>No plot yet.</source>
        <translation>Ainda não há gráfico.</translation>
    </message>
    <message>
        <source>Report: </source>
        <translation>Relatório: </translation>
    </message>
    <message>
        <source>Report: none yet</source>
        <translation>Relatório: ainda nenhum</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Open survey...</source>
        <translation>&amp;Abrir inquérito...</translation>
    </message>
    <message>
        <source>&amp;Save counts...</source>
        <translation>&amp;Guardar contagens...</translation>
    </message>
    <message>
        <source>&amp;Export plot...</source>
        <translation>&amp;Exportar gráfico...</translation>
    </message>
    <message>
        <source>&amp;Print plot...</source>
        <translation>&amp;Imprimir gráfico...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
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
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guia do utilizador</translation>
    </message>
    <message>
        <source>&amp;About Kestrivo</source>
        <translation>&amp;Sobre o Kestrivo</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language is saved; restart Kestrivo to use it.</source>
        <translation>O idioma foi guardado; reinicie o Kestrivo para o usar.</translation>
    </message>
    <message>
        <source>Reading the survey...</source>
        <translation>A ler o inquérito...</translation>
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
        <translation>Gráfico do Kestrivo</translation>
    </message>
    <message>
        <source>Kestrivo user guide</source>
        <translation>Guia do utilizador do Kestrivo</translation>
    </message>
    <message>
        <source>user guide</source>
        <translation>guia do utilizador</translation>
    </message>
    <message>
        <source>About Kestrivo</source>
        <translation>Sobre o Kestrivo</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kestrivo %1&lt;/h3&gt;&lt;p&gt;Estimates how visible the free-roaming dogs of a city block are to a street count, from three counts of the block.&lt;/p&gt;&lt;p&gt;Licence: MIT.&lt;/p&gt;&lt;p&gt;Built with Qt %2, NLopt (BOBYQA), Boost.Math %3 and libcsv %4.%5.%6.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kestrivo %1&lt;/h3&gt;&lt;p&gt;Estima a visibilidade dos cães errantes de um quarteirão numa contagem de rua, a partir de três contagens do quarteirão.&lt;/p&gt;&lt;p&gt;Licença: MIT.&lt;/p&gt;&lt;p&gt;Desenvolvido com Qt %2, NLopt (BOBYQA), Boost.Math %3 e libcsv %4.%5.%6.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open survey</source>
        <translation>Abrir inquérito</translation>
    </message>
    <message>
        <source>Save counts</source>
        <translation>Guardar contagens</translation>
    </message>
    <message>
        <source>%1 is read-only. Replace it all the same? It stays read-only.</source>
        <translation>%1 é só de leitura. Substituir mesmo assim? Continuará só de leitura.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 já existe. Substituir?</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo de dados incompatível</translation>
    </message>
    <message>
        <source>Invalid input</source>
        <translation>Valor inválido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Capacidade excedida</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <translation>Erro de vírgula flutuante</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Índice fora do intervalo</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Erro de ficheiro</translation>
    </message>
    <message>
        <source>Library not found</source>
        <translation>Biblioteca não encontrada</translation>
    </message>
    <message>
        <source>Library damaged</source>
        <translation>Biblioteca danificada</translation>
    </message>
    <message>
        <source>Library unusable</source>
        <translation>Biblioteca inutilizável</translation>
    </message>
    <message>
        <source>No estimate</source>
        <translation>Sem estimativa</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>there is not enough memory for this; nothing changed.</source>
        <translation>não há memória suficiente para esta operação; nada foi alterado.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is not a number.</source>
        <translation>na caixa %1, %2 não é um número.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is too large.</source>
        <translation>na caixa %1, %2 é demasiado grande.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is ambiguous: it could be read as %3 or as %4; type %3 or %4, without &quot;.&quot;.</source>
        <translation>na caixa %1, %2 é ambíguo: pode ser lido como %3 ou como %4; escreva %3 ou %4, sem «.».</translation>
    </message>
    <message>
        <source>in the %1 box, %2 groups its digits with &quot;%3&quot;; type it without them: %4.</source>
        <translation>na caixa %1, %2 agrupa os algarismos com «%3»; escreva-o sem esses separadores: %4.</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is not a share: it must lie from 0 to 1.</source>
        <translation>na caixa %1, %2 não é uma proporção: tem de estar entre 0 e 1.</translation>
    </message>
    <message>
        <source>in the %1 box, &quot;%2&quot; is negative; a frequency is a number of dogs.</source>
        <translation>na caixa %1, «%2» é negativo; uma frequência é um número de cães.</translation>
    </message>
    <message>
        <source>all four frequencies are 0: there are no dogs to estimate from.</source>
        <translation>as quatro frequências são 0: não há cães em que basear a estimativa.</translation>
    </message>
    <message>
        <source>(%1% of all dogs seen)</source>
        <translation>(são vistos %1% de todos os cães)</translation>
    </message>
    <message>
        <source>maximum log likelihood = %1</source>
        <translation>log-verosimilhança máxima = %1</translation>
    </message>
    <message>
        <source>Counts 1,0,0: %1, 1,1,1: %2, 1,0,1: %3, 1,1,0: %4.</source>
        <translation>Frequências 1,0,0: %1, 1,1,1: %2, 1,0,1: %3, 1,1,0: %4.</translation>
    </message>
    <message>
        <source>S = %1, P = %2</source>
        <translation>S = %1, P = %2</translation>
    </message>
    <message>
        <source>S held at %1, P = %2</source>
        <translation>S fixado em %1, P = %2</translation>
    </message>
    <message>
        <source>in the %1 box, %2 is beyond what can be plotted; a range of 100 already covers 0.01 to 0.99.</source>
        <translation>na caixa %1, %2 excede o que é possível representar no gráfico; uma amplitude de 100 já abrange de 0,01 a 0,99.</translation>
    </message>
    <message>
        <source>these counts are impossible when S is held at %1: every dog would then be seen on every count, yet some were missed on the second or third. Hold S below 1, or tick &quot;%2&quot;.</source>
        <translation>estas contagens são impossíveis com S fixado em %1: todos os cães seriam então vistos em todas as contagens, mas alguns escaparam à segunda ou à terceira. Fixe S abaixo de 1 ou marque «%2».</translation>
    </message>
    <message>
        <source>the fit found no maximum (error code %1); no estimate is shown.</source>
        <translation>o ajuste não encontrou nenhum máximo (código de erro %1); não é apresentada nenhuma estimativa.</translation>
    </message>
    <message>
        <source>log likelihood</source>
        <translation>log-verosimilhança</translation>
    </message>
    <message>
        <source>% seen</source>
        <translation>% vistos</translation>
    </message>
    <message>
        <source>% stay</source>
        <translation>% sempre vistos</translation>
    </message>
    <message>
        <source>The plotting range holds no point of the profile: make the % plotting range larger (for example 30).</source>
        <translation>A amplitude do gráfico não contém nenhum ponto do perfil: aumente a «% de amplitude» (por exemplo, para 30).</translation>
    </message>
    <message>
        <source>there is no plot to export yet: press &quot;%1&quot; first.</source>
        <translation>ainda não há gráfico para exportar: clique primeiro em «%1».</translation>
    </message>
    <message>
        <source>there is no plot to print yet: press &quot;%1&quot; first.</source>
        <translation>ainda não há gráfico para imprimir: clique primeiro em «%1».</translation>
    </message>
    <message>
        <source>there is no plot to copy yet: press &quot;%1&quot; first.</source>
        <translation>ainda não há gráfico para copiar: clique primeiro em «%1».</translation>
    </message>
    <message>
        <source>the plot could not be printed: the printer is not ready.</source>
        <translation>não foi possível imprimir o gráfico: a impressora não está pronta.</translation>
    </message>
    <message>
        <source>there are no results to copy yet: press &quot;%1&quot; first.</source>
        <translation>ainda não há resultados para copiar: clique primeiro em «%1».</translation>
    </message>
    <message>
        <source>This program can be used to estimate the proportion of free-roaming dogs seen on a count of a city block.  A sample of individually distinct dogs are identified during the first count and the number seen during a second and third count recorded.  The frequency of the four possible resulting capture histories - not seen again, seen on both the second and third counts, seen on the third but not on the second, seen on the second but not on the third - are entered in the text boxes to the left.  Click the &apos;estimate&apos; command button to generate ML estimates of the proportion permanently visible because of defending territory, S, and the probability of seeing the others, P.  Read 95% confidence limits from intersection of dotted red line with ML curve.  Uncheck check box and set S to 0 to see effect of assuming all dogs equally visible on P estimate.</source>
        <translation>Este programa pode ser usado para estimar a proporção de cães errantes vistos numa contagem de um quarteirão urbano. Na primeira contagem é identificada uma amostra de cães individualmente distintos, e regista-se o número desses cães vistos numa segunda e numa terceira contagem. As frequências dos quatro históricos de captura possíveis – não visto de novo, visto na segunda e na terceira contagens, visto na terceira mas não na segunda, visto na segunda mas não na terceira – são introduzidas nas caixas de texto à esquerda. Clique no botão «estimar» para obter as estimativas de máxima verosimilhança (MV) da proporção permanentemente visível por defender um território, S, e da probabilidade de ver os restantes, P. Leia os limites de confiança de 95% na interseção da linha vermelha pontilhada com a curva de MV. Desmarque a caixa «parâmetro livre» e defina S como 0 para ver o efeito que tem na estimativa de P supor que todos os cães são igualmente visíveis.</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</source>
        <extracomment>File types of an exported plot: keep each pattern in brackets as it is.</extracomment>
        <translation>Imagem PNG (*.png);;Desenho SVG (*.svg);;Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Survey files (*.csv);;All files (*)</source>
        <extracomment>File types: keep each pattern in brackets as it is.</extracomment>
        <translation>Ficheiros de inquérito (*.csv);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Surveys and field exports (*.csv *.zip *.xlsx);;Survey files (*.csv);;All files (*)</source>
        <translation>Inquéritos e exportações de campo (*.csv *.zip *.xlsx);;Ficheiros de inquérito (*.csv);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>%1: cannot be opened (%2).</source>
        <extracomment>%1 names the files; %2 is the system&apos;s own reason, in English.</extracomment>
        <translation>%1: não foi possível abrir (%2).</translation>
    </message>
    <message>
        <source>%1: is a folder; a survey is a CSV file.</source>
        <translation>%1: é uma pasta; um inquérito é um ficheiro CSV.</translation>
    </message>
    <message>
        <source>%1: is not an ordinary file; a survey is a CSV file.</source>
        <translation>%1: não é um ficheiro normal; um inquérito é um ficheiro CSV.</translation>
    </message>
    <message>
        <source>%1: at %2 MB the survey is too large to open in the window (at most %3 MB); kestrivo-report reads surveys of any size.</source>
        <translation>%1: com %2 MB, o inquérito é demasiado grande para abrir na janela (máximo de %3 MB); o kestrivo-report lê inquéritos de qualquer tamanho.</translation>
    </message>
    <message>
        <source>%1: the survey holds no block.</source>
        <translation>%1: o inquérito não contém nenhum quarteirão.</translation>
    </message>
    <message>
        <source>Run-time error</source>
        <translation>Erro de execução</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::HeaderWords</name>
    <message>
        <source>%1: the file is empty; a survey needs a header row with c100, c111, c101 and c110.</source>
        <translation>%1: o ficheiro está vazio; um inquérito precisa de uma linha de cabeçalho com c100, c111, c101 e c110.</translation>
    </message>
    <message>
        <source>%1: the header (line %2, column %3) cannot be read: %4.</source>
        <extracomment>%4 is the reason the record cannot be read, in English.</extracomment>
        <translation>%1: não é possível ler o cabeçalho (linha %2, coluna %3): %4.</translation>
    </message>
    <message>
        <source>%1: the column &quot;%2&quot; appears twice in the header.</source>
        <translation>%1: a coluna «%2» aparece duas vezes no cabeçalho.</translation>
    </message>
    <message>
        <source>%1: the header lacks the columns %2; a survey needs c100, c111, c101 and c110.</source>
        <translation>%1: faltam no cabeçalho as colunas %2; um inquérito precisa de c100, c111, c101 e c110.</translation>
    </message>
    <message>
        <source>%1: the header lacks the column %2; a survey needs c100, c111, c101 and c110.</source>
        <translation>%1: falta no cabeçalho a coluna %2; um inquérito precisa de c100, c111, c101 e c110.</translation>
    </message>
    <message>
        <source>%1: the header has some of m010, m001 and m011 but not all three; the marked dogs first seen later go together.</source>
        <translation>%1: o cabeçalho tem algumas das colunas m010, m001 e m011, mas não as três; as três colunas dos cães marcados vistos pela primeira vez mais tarde vão sempre juntas.</translation>
    </message>
    <message>
        <source>%1: the header has c010, c001 and c011 and the marked dogs&apos; m100 to m110 but not m010, m001 and m011; give the marked dogs first seen later too.</source>
        <translation>%1: o cabeçalho tem c010, c001 e c011 e as colunas m100 a m110 dos cães marcados, mas não m010, m001 e m011; indique também os cães marcados vistos pela primeira vez mais tarde.</translation>
    </message>
    <message>
        <source>%1: the header has m010, m001 and m011 without c010, c001 and c011; the marked dogs first seen later are some of the dogs first seen later.</source>
        <translation>%1: o cabeçalho tem m010, m001 e m011 sem c010, c001 e c011; os cães marcados vistos pela primeira vez mais tarde fazem parte dos cães vistos pela primeira vez mais tarde.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::LeftOutWords</name>
    <message>
        <source>the number of dogs seen on the first count only (c100)</source>
        <translation>o número de cães vistos apenas na primeira contagem (c100)</translation>
    </message>
    <message>
        <source>the number of dogs seen on all three counts (c111)</source>
        <translation>o número de cães vistos nas três contagens (c111)</translation>
    </message>
    <message>
        <source>the number of dogs seen on the first and third counts, not the second (c101)</source>
        <translation>o número de cães vistos na primeira e na terceira contagens, mas não na segunda (c101)</translation>
    </message>
    <message>
        <source>the number of dogs seen on the first and second counts, not the third (c110)</source>
        <translation>o número de cães vistos na primeira e na segunda contagens, mas não na terceira (c110)</translation>
    </message>
    <message>
        <source>the number of dogs first seen on the second count, and not seen again (c010)</source>
        <translation>o número de cães vistos pela primeira vez na segunda contagem e não vistos de novo (c010)</translation>
    </message>
    <message>
        <source>the number of dogs first seen on the third count (c001)</source>
        <translation>o número de cães vistos pela primeira vez na terceira contagem (c001)</translation>
    </message>
    <message>
        <source>the number of dogs first seen on the second count, and seen again on the third (c011)</source>
        <translation>o número de cães vistos pela primeira vez na segunda contagem e vistos de novo na terceira (c011)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first count only (m100)</source>
        <translation>o número de cães marcados vistos apenas na primeira contagem (m100)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on all three counts (m111)</source>
        <translation>o número de cães marcados vistos nas três contagens (m111)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first and third counts, not the second (m101)</source>
        <translation>o número de cães marcados vistos na primeira e na terceira contagens, mas não na segunda (m101)</translation>
    </message>
    <message>
        <source>the number of marked dogs seen on the first and second counts, not the third (m110)</source>
        <translation>o número de cães marcados vistos na primeira e na segunda contagens, mas não na terceira (m110)</translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the second count, and not seen again (m010)</source>
        <translation>o número de cães marcados vistos pela primeira vez na segunda contagem e não vistos de novo (m010)</translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the third count (m001)</source>
        <translation>o número de cães marcados vistos pela primeira vez na terceira contagem (m001)</translation>
    </message>
    <message>
        <source>the number of marked dogs first seen on the second count, and seen again on the third (m011)</source>
        <translation>o número de cães marcados vistos pela primeira vez na segunda contagem e vistos de novo na terceira (m011)</translation>
    </message>
    <message>
        <source>the number of dogs whose vaccination mark could not be told (mark_unknown)</source>
        <translation>o número de cães cuja marca de vacinação não foi possível determinar (mark_unknown)</translation>
    </message>
    <message>
        <source>the share of the block&apos;s dogs seen on a count, held as given (s_held)</source>
        <translation>a proporção dos cães do quarteirão vista numa contagem, fixada tal como indicada (s_held)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>coluna %1</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <extracomment>%1 is the report&apos;s own reason, in English.</extracomment>
        <translation>Excluído: %1.</translation>
    </message>
    <message>
        <source>Left out: line %1 of the file cannot be read (at column %2): %3.</source>
        <translation>Excluído: a linha %1 do ficheiro não pode ser lida (na coluna %2): %3.</translation>
    </message>
    <message>
        <source>Left out: line %1 of the file has &quot;%2&quot; in column %3, past the last column the header names.</source>
        <translation>Excluído: a linha %1 do ficheiro tem «%2» na coluna %3, para além da última coluna indicada no cabeçalho.</translation>
    </message>
    <message>
        <source>Left out: %1 is missing (line %2 of the file).</source>
        <translation>Excluído: %1 está em falta (linha %2 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: %1 is &quot;%2&quot;, not a whole number of dogs (line %3 of the file).</source>
        <translation>Excluído: %1 é «%2», que não é um número inteiro de cães (linha %3 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: %1 is %2, too large a number (line %3 of the file).</source>
        <translation>Excluído: %1 é %2, um número demasiado grande (linha %3 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: %1 is &quot;%2&quot;, not a share from 0 to 1 (line %3 of the file).</source>
        <translation>Excluído: %1 é «%2», que não é uma proporção entre 0 e 1 (linha %3 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: %1 is missing, while the other dogs first seen later are filled in; fill in all three or none (line %2 of the file).</source>
        <translation>Excluído: %1 está em falta, embora os outros cães vistos pela primeira vez mais tarde estejam preenchidos; preencha os três ou nenhum (linha %2 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: %1 is %2, more than the %3 dogs seen that way (line %4 of the file).</source>
        <translation>Excluído: %1 é %2, mais do que os %3 cães vistos dessa forma (linha %4 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: %1 is %2, more than the %3 dogs seen without the mark (line %4 of the file).</source>
        <translation>Excluído: %1 é %2, mais do que os %3 cães vistos sem a marca (linha %4 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is missing (line %2 of the file).</source>
        <translation>Excluído: o peso do quarteirão (coluna %1) está em falta (linha %2 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is &quot;%2&quot;, not a number of blocks (line %3 of the file).</source>
        <translation>Excluído: o peso do quarteirão (coluna %1) é «%2», que não é um número de quarteirões (linha %3 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is %2, less than the 1 block it stands for at least (line %3 of the file).</source>
        <translation>Excluído: o peso do quarteirão (coluna %1) é %2, menos do que o mínimo de 1 quarteirão que representa (linha %3 do ficheiro).</translation>
    </message>
    <message>
        <source>Left out: the block&apos;s weight (column %1) is %2, more blocks than a city has (line %3 of the file).</source>
        <translation>Excluído: o peso do quarteirão (coluna %1) é %2, mais quarteirões do que uma cidade pode ter (linha %3 do ficheiro).</translation>
    </message>
    <message>
        <source>No estimate of its own: the counts on line %1 of the file give none (%2); its dogs are counted in its stratum.</source>
        <translation>Sem estimativa própria: as contagens da linha %1 do ficheiro não permitem obtê-la (%2); os seus cães são contabilizados no seu estrato.</translation>
    </message>
    <message>
        <source>Counted, but the plot of the block on line %1 of the file could not be written: %2.</source>
        <translation>Contado, mas não foi possível escrever o gráfico do quarteirão da linha %1 do ficheiro: %2.</translation>
    </message>
    <message>
        <source>%1 on a line that cannot be read</source>
        <extracomment>This phrase and the next ones start with the number of blocks left out.</extracomment>
        <translation>%1 numa linha ilegível</translation>
    </message>
    <message>
        <source>%1 with a value past the header&apos;s last column</source>
        <translation>%1 com um valor para além da última coluna do cabeçalho</translation>
    </message>
    <message>
        <source>%1 with a count missing</source>
        <translation>%1 com uma contagem em falta</translation>
    </message>
    <message>
        <source>%1 with a count that is not a whole number</source>
        <translation>%1 com uma contagem que não é um número inteiro</translation>
    </message>
    <message>
        <source>%1 with a count too large</source>
        <translation>%1 com uma contagem demasiado grande</translation>
    </message>
    <message>
        <source>%1 with a held share that is not from 0 to 1</source>
        <translation>%1 com uma proporção fixada fora do intervalo de 0 a 1</translation>
    </message>
    <message>
        <source>%1 with the dogs first seen later only partly filled in</source>
        <translation>%1 com os cães vistos pela primeira vez mais tarde só parcialmente preenchidos</translation>
    </message>
    <message>
        <source>%1 with more marked dogs than dogs seen</source>
        <translation>%1 com mais cães marcados do que cães vistos</translation>
    </message>
    <message>
        <source>%1 with more dogs of unknown mark than dogs seen unmarked</source>
        <translation>%1 com mais cães de marca desconhecida do que cães vistos sem marca</translation>
    </message>
    <message>
        <source>%1 with no weight</source>
        <translation>%1 sem peso</translation>
    </message>
    <message>
        <source>%1 with a weight that is not a number</source>
        <translation>%1 com um peso que não é um número</translation>
    </message>
    <message>
        <source>%1 with a weight below 1</source>
        <translation>%1 com um peso inferior a 1</translation>
    </message>
    <message>
        <source>%1 with a weight of more blocks than a city has</source>
        <translation>%1 com um peso superior ao número de quarteirões que uma cidade pode ter</translation>
    </message>
    <message>
        <source>%1 whose counts give no estimate</source>
        <translation>%1 cujas contagens não dão estimativa</translation>
    </message>
    <message>
        <source>%1 whose plot could not be written</source>
        <translation>%1 cujo gráfico não pôde ser escrito</translation>
    </message>
    <message>
        <source>%1 for another reason</source>
        <translation>%1 por outro motivo</translation>
    </message>
    <message>
        <source>1 block used</source>
        <translation>1 quarteirão usado</translation>
    </message>
    <message>
        <source>%1; none left out.</source>
        <extracomment>%1 is the number of blocks used, &quot;12 blocks used&quot;.</extracomment>
        <translation>%1; nenhum excluído.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the reasons blocks were left out for.</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n blocks used</source>
        <translation>
            <numerusform>%n quarteirão usado</numerusform>
            <numerusform>%n quarteirões usados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n left out: %2.</source>
        <extracomment>%1 is &quot;12 blocks used&quot;; %n the number of blocks left out; %2 the reasons, each with its number of blocks.</extracomment>
        <translation>
            <numerusform>%1; %n excluído: %2.</numerusform>
            <numerusform>%1; %n excluídos: %2.</numerusform>
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
        <translation>%1 linhas decididas, %2 inquéritos simulados; agora k = %3</translation>
    </message>
    <message>
        <source>% of the total</source>
        <translation>% do total</translation>
    </message>
    <message>
        <source>Target: the city&apos;s dogs within this percent of the total</source>
        <translation>Meta: estimar os cães da cidade com uma margem máxima desta percentagem do total</translation>
    </message>
    <message>
        <source>The widest acceptable interval of the city&apos;s dogs, as a percentage of the total on either side</source>
        <translation>O intervalo mais largo aceitável para os cães da cidade, em percentagem do total, de cada lado</translation>
    </message>
    <message>
        <source>Plan: blocks to count — %1</source>
        <translation>Plano: quarteirões a contar — %1</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Meta:</translation>
    </message>
    <message>
        <source>Assurance in percent of surveys</source>
        <translation>Garantia em percentagem dos inquéritos</translation>
    </message>
    <message>
        <source>&amp;Assurance:</source>
        <translation>&amp;Garantia:</translation>
    </message>
    <message>
        <source>Surveys simulated for each k</source>
        <translation>Inquéritos simulados para cada k</translation>
    </message>
    <message>
        <source>Surveys &amp;simulated per k:</source>
        <translation>Inquéritos &amp;simulados por k:</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Estrato</translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation>Quarteirões na cidade</translation>
    </message>
    <message>
        <source>Blocks in the city, by stratum, for the plan</source>
        <translation>Quarteirões na cidade, por estrato, para o plano</translation>
    </message>
    <message>
        <source>&amp;Plan</source>
        <translation>&amp;Planear</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Planear</translation>
    </message>
    <message>
        <source>Planning</source>
        <translation>Planeamento</translation>
    </message>
    <message>
        <source>Plan status</source>
        <translation>Estado do plano</translation>
    </message>
    <message>
        <source>Recommendation</source>
        <translation>Recomendação</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Quarteirões</translation>
    </message>
    <message>
        <source>By stratum</source>
        <translation>Por estrato</translation>
    </message>
    <message>
        <source>Half-width, median</source>
        <translation>Semiamplitude, mediana</translation>
    </message>
    <message>
        <source>Half-width, assured</source>
        <translation>Semiamplitude, garantida</translation>
    </message>
    <message>
        <source>Interval holds the truth</source>
        <translation>Intervalo contém o valor real</translation>
    </message>
    <message>
        <source>Estimate ÷ truth</source>
        <translation>Estimativa ÷ valor real</translation>
    </message>
    <message>
        <source>Meets target</source>
        <translation>Cumpre a meta</translation>
    </message>
    <message>
        <source>Surveys</source>
        <translation>Inquéritos</translation>
    </message>
    <message>
        <source>The half-width in the share of surveys asked for (the assurance)</source>
        <translation>A semiamplitude atingida na proporção de inquéritos pedida (a garantia)</translation>
    </message>
    <message>
        <source>The median of the estimated total over the true total</source>
        <translation>A mediana do total estimado dividido pelo total real</translation>
    </message>
    <message>
        <source>Plan rows</source>
        <translation>Linhas do plano</translation>
    </message>
    <message>
        <source>The number of the city&apos;s blocks of %1 %2.</source>
        <translation>Número de quarteirões na cidade em %1: %2.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Reading the pilot&apos;s visibility and dogs...</source>
        <translation>A ler a visibilidade e os cães do inquérito-piloto...</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Stopped: %1 sample sizes were simulated before it.</source>
        <translation>Interrompido: tinham sido simulados %1 tamanhos de amostra.</translation>
    </message>
    <message>
        <source>Count %1 blocks</source>
        <translation>Contar %1 quarteirões</translation>
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
        <translation>Nenhum tamanho de amostra cumpre a meta.</translation>
    </message>
    <message>
        <source>% of surveys</source>
        <translation>% dos inquéritos</translation>
    </message>
    <message>
        <source> Not trustworthy at these assumptions: see why below.</source>
        <translation> Não é fiável com estes pressupostos: veja o motivo abaixo.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanPicture</name>
    <message>
        <source>Blocks counted</source>
        <translation>Quarteirões contados</translation>
    </message>
    <message>
        <source>Half-width of the city&apos;s interval, % of its total</source>
        <translation>Semiamplitude do intervalo da cidade, % do total</translation>
    </message>
    <message>
        <source>half-width met in %1% of surveys</source>
        <translation>semiamplitude atingida em %1% dos inquéritos</translation>
    </message>
    <message>
        <source>target ±%1%</source>
        <translation>meta ±%1%</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanPictureWidget</name>
    <message>
        <source>Half-width of the city&apos;s interval against blocks counted</source>
        <translation>Semiamplitude do intervalo da cidade em função dos quarteirões contados</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlanWords</name>
    <message>
        <source>These are the fewest blocks to count that bring the city&apos;s dogs within %1 in %2 of the simulated surveys.</source>
        <extracomment>%1 is a precision such as &quot;±20% of the total&quot;; %2 a share of the surveys, &quot;90%&quot;.</extracomment>
        <translation>É o menor número de quarteirões a contar que estima os cães da cidade com uma margem de %1 em %2 dos inquéritos simulados.</translation>
    </message>
    <message>
        <source>Within %1 would need more than %2 blocks to count a survey, more than the plan simulates.</source>
        <translation>Uma margem de %1 exigiria contar mais de %2 quarteirões por inquérito, mais do que o plano simula.</translation>
    </message>
    <message>
        <source>No number of blocks to count up to %1 brings the city&apos;s dogs within %2 in %3 of the simulated surveys.</source>
        <translation>Nenhum número de quarteirões a contar até %1 estima os cães da cidade com uma margem de %2 em %3 dos inquéritos simulados.</translation>
    </message>
    <message>
        <source>%1, %2 and %3 on counts 1, 2 and 3</source>
        <extracomment>The chance of being seen on each of the three counts, as shares such as &quot;40%&quot;.</extracomment>
        <translation>%1, %2 e %3 nas contagens 1, 2 e 3</translation>
    </message>
    <message>
        <source>%1 until first seen, %2 once seen</source>
        <extracomment>%1 is the chance of being seen before a dog is first seen (one or more shares); %2 the chance of being seen again once it has been.</extracomment>
        <translation>%1 até ser visto pela primeira vez, %2 depois de visto</translation>
    </message>
    <message>
        <source>share always seen %1</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation>proporção sempre vista %1</translation>
    </message>
    <message>
        <source>for the other dogs, chance of being seen on a count %1</source>
        <translation>para os outros cães, probabilidade de ser visto numa contagem %1</translation>
    </message>
    <message>
        <source>%1 dogs a block, varying between blocks with dispersion %2</source>
        <translation>%1 cães por quarteirão, variando entre quarteirões com dispersão %2</translation>
    </message>
    <message>
        <source>%1 dogs a block, varying between blocks by chance alone</source>
        <translation>%1 cães por quarteirão, variando entre quarteirões apenas por acaso</translation>
    </message>
    <message>
        <source>the dogs first seen on count 2 or 3 recorded too</source>
        <translation>registados também os cães vistos pela primeira vez na contagem 2 ou 3</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the clauses of the plan&apos;s assumptions.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Assumed: %1.</source>
        <translation>Pressupostos: %1.</translation>
    </message>
    <message>
        <source>Assumed in %1: %2.</source>
        <extracomment>%1 is the stratum&apos;s name as in the data; %2 the list of what is assumed.</extracomment>
        <translation>Pressupostos em %1: %2.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No share: the pilot could not tell it.</extracomment>
        <translation>n.d.</translation>
    </message>
    <message>
        <source>under 1%</source>
        <translation>menos de 1%</translation>
    </message>
    <message>
        <source>over 99%</source>
        <translation>mais de 99%</translation>
    </message>
    <message>
        <source>±%1% of the total</source>
        <extracomment>The precision wanted of the city&apos;s total, %1 in percent.</extracomment>
        <translation>±%1% do total</translation>
    </message>
    <message>
        <source>The blocks to count are shared among the strata in proportion to their blocks in the city (%1).</source>
        <extracomment>%1 lists each stratum&apos;s name with its number of blocks in the city.</extracomment>
        <translation>Os quarteirões a contar são repartidos pelos estratos em proporção aos seus quarteirões na cidade (%1).</translation>
    </message>
    <message>
        <source>The blocks of each stratum are taken to be drawn at random, as the intervals assume.</source>
        <translation>Os quarteirões de cada estrato são considerados escolhidos ao acaso, como os intervalos pressupõem.</translation>
    </message>
    <message>
        <source>The survey&apos;s estimate is not trustworthy at these assumptions: its interval held the true total in %1 of the simulated surveys (a %2 interval should in about %2)</source>
        <extracomment>%1 is how often the simulated surveys&apos; intervals held the truth; %2 the interval&apos;s level, both in percent.</extracomment>
        <translation>A estimativa do inquérito não é fiável com estes pressupostos: o seu intervalo conteve o total real em %1 dos inquéritos simulados (um intervalo de %2 deveria contê-lo em cerca de %2)</translation>
    </message>
    <message>
        <source>, and its median estimate was %1 of the truth</source>
        <translation>, e a sua estimativa mediana foi %1 do valor real</translation>
    </message>
    <message>
        <source>; with about %1 dogs of the sample seen again on a second or third count, too few dogs are seen to estimate visibility</source>
        <translation>; com cerca de %1 cães da amostra vistos de novo numa segunda ou terceira contagem, os cães vistos são demasiado poucos para estimar a visibilidade</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::PlotExport</name>
    <message>
        <source>Kestrivo: profile log likelihood</source>
        <translation>Kestrivo: perfil da log-verosimilhança</translation>
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
        <translation>Como ler este relatório</translation>
    </message>
    <message>
        <source>Counting a block three times.</source>
        <translation>Contar um quarteirão três vezes.</translation>
    </message>
    <message>
        <source>Each block was walked on three counts and each dog seen was given an identity, so the counts tell which dogs were seen again. Dogs missed on every count are not in the counts; how many there are follows from how often the dogs that were seen were seen again.</source>
        <translation>Cada quarteirão foi percorrido em três contagens e a cada cão visto foi atribuída uma identidade, pelo que as contagens indicam que cães foram vistos de novo. Os cães que escaparam a todas as contagens não constam das contagens; quantos são deduz-se da frequência com que os cães vistos foram vistos de novo.</translation>
    </message>
    <message>
        <source>The share always seen.</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation>A proporção sempre vista.</translation>
    </message>
    <message>
        <source>Some dogs hold a territory on the block and are seen on every count. Their share among all the block&apos;s dogs is the share always seen.</source>
        <translation>Alguns cães têm território no quarteirão e são vistos em todas as contagens. A sua proporção entre todos os cães do quarteirão é a proporção sempre vista.</translation>
    </message>
    <message>
        <source>The chance of being seen.</source>
        <translation>A probabilidade de ser visto.</translation>
    </message>
    <message>
        <source>Each of the other dogs is seen on a count by chance: the chance of being seen is how likely such a dog is to be seen on one count. The lower it is, the more dogs were missed and the more dogs the estimate adds to those seen.</source>
        <translation>Cada um dos outros cães é visto numa contagem por acaso: a probabilidade de ser visto indica quão provável é que um cão destes seja visto numa contagem. Quanto mais baixa for, mais cães escaparam às contagens e mais cães a estimativa acrescenta aos que foram vistos.</translation>
    </message>
    <message>
        <source>The %1 interval.</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation>O intervalo de %1.</translation>
    </message>
    <message>
        <source>Were the survey done again in the same way, with other blocks drawn and other chances of each dog being seen, about %1 of such intervals of the city&apos;s dogs would hold the true number, where the model holds. A block&apos;s own interval speaks of that block&apos;s counts alone. Neither takes in what the counts cannot show: dogs that no count can see, dogs that came or went between the counts, or one dog taken for two.</source>
        <translation>Se o inquérito fosse repetido da mesma forma, com outros quarteirões escolhidos ao acaso e outras probabilidades de cada cão ser visto, cerca de %1 desses intervalos dos cães da cidade conteriam o número real, desde que o modelo se verifique. O intervalo próprio de um quarteirão diz respeito apenas às contagens desse quarteirão. Nenhum deles tem em conta o que as contagens não podem mostrar: cães que nenhuma contagem consegue ver, cães que chegaram ou partiram entre as contagens, ou um mesmo cão tomado por dois.</translation>
    </message>
    <message>
        <source>A block&apos;s own estimate and its estimate with its stratum&apos;s shared visibility.</source>
        <translation>A estimativa própria de um quarteirão e a sua estimativa com a visibilidade partilhada do estrato.</translation>
    </message>
    <message>
        <source>A block&apos;s own estimate uses its three counts alone. With 20 to 60 dogs a block tells little about how visible its dogs are, and its own estimate is often far from sure. The estimate with the shared visibility takes the share always seen and the chance of being seen from all the blocks of its stratum together, and only the dogs from the block&apos;s own counts: it is steadier, and the city&apos;s total is built from it. Where a stratum&apos;s blocks do not agree on how visible their dogs are (the test&apos;s p below 0.05), the shared visibility is an average over blocks that differ.</source>
        <translation>A estimativa própria de um quarteirão usa apenas as suas três contagens. Com 20 a 60 cães, um quarteirão diz pouco sobre a visibilidade dos seus cães, e a sua estimativa própria é muitas vezes bastante incerta. A estimativa com a visibilidade partilhada obtém a proporção sempre vista e a probabilidade de ser visto de todos os quarteirões do estrato em conjunto, e apenas os cães das contagens do próprio quarteirão: é mais estável, e é a partir dela que se constrói o total da cidade. Quando os quarteirões de um estrato não concordam quanto à visibilidade dos seus cães (p do teste inferior a 0,05), a visibilidade partilhada é uma média de quarteirões que diferem entre si.</translation>
    </message>
    <message>
        <source>Vaccination coverage.</source>
        <translation>Cobertura vacinal.</translation>
    </message>
    <message>
        <source>The share of the dogs that carry the campaign&apos;s mark. Marked and unmarked dogs are each counted over their own chance of being seen, so that a group easier to see does not weigh more; the share marked among the dogs seen is shown beside it for comparison.</source>
        <translation>A proporção dos cães que têm a marca da campanha. Os cães marcados e os não marcados são contados, cada grupo, segundo a sua própria probabilidade de ser visto, para que um grupo mais fácil de ver não pese mais; a proporção de marcados entre os cães vistos é apresentada ao lado, para comparação.</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>The dogs of each block are estimated by closed-population capture–recapture (Otis et al. 1978) from the dogs identified on the first count and what became of them on the second and third. The model is a mixture of two classes of dogs (Pledger 2000) with one class seen on every count: a share always seen, and the rest seen on each count with one chance. It is fitted by maximum likelihood, and a block&apos;s interval is where the profile likelihood lies within 1.92 of its maximum (Venzon and Moolgavkar 1988).</source>
        <translation>Os cães de cada quarteirão são estimados por captura–recaptura em população fechada (Otis et al. 1978) a partir dos cães identificados na primeira contagem e do que lhes aconteceu na segunda e na terceira. O modelo é uma mistura de duas classes de cães (Pledger 2000), sendo uma delas vista em todas as contagens: uma proporção sempre vista, e os restantes vistos em cada contagem com uma mesma probabilidade. O modelo é ajustado por máxima verosimilhança, e o intervalo de um quarteirão é a região onde a verosimilhança de perfil fica a menos de 1,92 do seu máximo (Venzon e Moolgavkar 1988).</translation>
    </message>
    <message>
        <source>Within a stratum the blocks share one share always seen and one chance of being seen, fitted from all of them together. Whether they can share them is tested by comparing each block&apos;s own fit with the shared one; the test&apos;s p comes from a parametric bootstrap, stopped early once it is clear (Besag and Clifford 1991).</source>
        <translation>Dentro de um estrato, os quarteirões partilham uma mesma proporção sempre vista e uma mesma probabilidade de ser visto, ajustadas a partir de todos eles em conjunto. Se as podem partilhar é testado comparando o ajuste próprio de cada quarteirão com o ajuste partilhado; o p do teste provém de um bootstrap paramétrico, interrompido mais cedo logo que o resultado seja claro (Besag e Clifford 1991).</translation>
    </message>
    <message>
        <source>Where the dogs first seen on the later counts are given, the shared fit also lets the chance of being seen differ between the counts, or once a dog has been seen; these models are weighed against each other by their small-sample Akaike information criterion (Hurvich and Tsai 1989) and averaged by their weights (Burnham and Anderson 2002).</source>
        <translation>Quando são indicados os cães vistos pela primeira vez nas contagens posteriores, o ajuste partilhado permite também que a probabilidade de ser visto varie entre as contagens, ou depois de o cão ter sido visto; estes modelos são comparados entre si pelo critério de informação de Akaike para pequenas amostras (Hurvich e Tsai 1989) e combinados pela média ponderada pelos seus pesos (Burnham e Anderson 2002).</translation>
    </message>
    <message>
        <source>The city&apos;s dogs add up the strata: each stratum&apos;s blocks&apos; dogs under its shared visibility, each block weighted by its design weight (Cochran 1977).</source>
        <translation>Os cães da cidade são a soma dos estratos: os cães dos quarteirões de cada estrato com a sua visibilidade partilhada, cada quarteirão ponderado pelo seu peso amostral (Cochran 1977).</translation>
    </message>
    <message>
        <source>The city&apos;s dogs add up the strata: each stratum&apos;s blocks&apos; dogs under its shared visibility, scaled up to the stratum&apos;s blocks in the city (Cochran 1977).</source>
        <translation>Os cães da cidade são a soma dos estratos: os cães dos quarteirões de cada estrato com a sua visibilidade partilhada, extrapolados para o número de quarteirões do estrato na cidade (Cochran 1977).</translation>
    </message>
    <message>
        <source>The interval&apos;s standard error comes from a rescaled bootstrap of the blocks within each stratum, the shared visibility fitted again in each replicate (Rao and Wu 1988; Efron and Tibshirani 1993); the interval is symmetric on the log scale, with Student&apos;s t on the degrees of freedom of Satterthwaite (1946), and never below the dogs identified.</source>
        <translation>O erro-padrão do intervalo provém de um bootstrap reescalado dos quarteirões dentro de cada estrato, voltando a ajustar a visibilidade partilhada em cada réplica (Rao e Wu 1988; Efron e Tibshirani 1993); o intervalo é simétrico na escala logarítmica, com o t de Student com os graus de liberdade de Satterthwaite (1946), e nunca fica abaixo dos cães identificados.</translation>
    </message>
    <message>
        <source>What the numbers assume</source>
        <translation>Pressupostos dos números</translation>
    </message>
    <message>
        <source>Each block&apos;s dogs are of two kinds: a share that hold a territory and are seen on every count, and the rest, each seen by chance on each count. The counts are close enough in time that no dog came or went.</source>
        <translation>Os cães de cada quarteirão são de dois tipos: uma proporção que tem território e é vista em todas as contagens, e os restantes, cada um visto por acaso em cada contagem. As contagens são suficientemente próximas no tempo para que nenhum cão tenha chegado ou partido.</translation>
    </message>
    <message>
        <source>The vaccine doses for a coverage are that share of the dogs, with the same interval; after a campaign the doses still needed have their own interval from the same bootstrap. Neither counts doses lost or wasted.</source>
        <translation>As doses de vacina para uma cobertura correspondem a essa proporção dos cães, com o mesmo intervalo; depois de uma campanha, as doses ainda necessárias têm o seu próprio intervalo, obtido do mesmo bootstrap. Nenhum destes valores conta doses perdidas ou desperdiçadas.</translation>
    </message>
    <message>
        <source>one dog entered twice in one count</source>
        <translation>um cão registado duas vezes numa contagem</translation>
    </message>
    <message>
        <source>one dog&apos;s identity in two blocks</source>
        <translation>a identidade de um cão em dois quarteirões</translation>
    </message>
    <message>
        <source>a count with no record that it was done</source>
        <translation>uma contagem sem registo de ter sido feita</translation>
    </message>
    <message>
        <source>a dog seen on no known count</source>
        <translation>um cão visto numa contagem desconhecida</translation>
    </message>
    <message>
        <source>a dog seen without an identity</source>
        <translation>um cão visto sem identidade</translation>
    </message>
    <message>
        <source>a dog or count of an unknown block</source>
        <translation>um cão ou contagem de um quarteirão desconhecido</translation>
    </message>
    <message>
        <source>two wards or places given for one block</source>
        <translation>dois bairros ou locais indicados para um quarteirão</translation>
    </message>
    <message>
        <source>one count sent twice</source>
        <translation>uma contagem enviada duas vezes</translation>
    </message>
    <message>
        <source>identities that differ only in capitals or spaces</source>
        <translation>identidades que diferem apenas em maiúsculas ou espaços</translation>
    </message>
    <message>
        <source>a form rejected in review, left out</source>
        <translation>um formulário rejeitado na revisão, excluído</translation>
    </message>
    <message>
        <source>a form marked in review as having issues</source>
        <translation>um formulário marcado na revisão como tendo problemas</translation>
    </message>
    <message>
        <source>one form read twice, counted once</source>
        <translation>um formulário lido duas vezes, contado uma vez</translation>
    </message>
    <message>
        <source>a dog&apos;s vaccination mark seen on some counts only</source>
        <translation>a marca de vacinação de um cão vista apenas em algumas contagens</translation>
    </message>
    <message>
        <source>One conflict was found while the field data were tabulated.</source>
        <translation>Foi encontrado um conflito ao tabular os dados de campo.</translation>
    </message>
    <message>
        <source>%1 conflicts were found while the field data were tabulated.</source>
        <translation>Foram encontrados %1 conflitos ao tabular os dados de campo.</translation>
    </message>
    <message>
        <source>Appendix: what the field data held</source>
        <translation>Anexo: o que continham os dados de campo</translation>
    </message>
    <message>
        <source>Warnings change no count; the others were settled as the last column says.</source>
        <translation>Os avisos não alteram nenhuma contagem; os restantes foram resolvidos como indica a última coluna.</translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>The conflicts table&apos;s columns: what kind of conflict, and where.</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Quarteirão</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cão</translation>
    </message>
    <message>
        <source>What was found</source>
        <translation>O que foi encontrado</translation>
    </message>
    <message>
        <source>%1 (%2, line %3)</source>
        <extracomment>A conflict&apos;s detail, in English as the tabulation says it, then the file and line where it was found.</extracomment>
        <translation>%1 (%2, linha %3)</translation>
    </message>
    <message>
        <source> (a warning)</source>
        <translation> (aviso)</translation>
    </message>
    <message>
        <source>share always seen may be none</source>
        <extracomment>Where a block&apos;s own interval reaches the edge of what was tried.</extracomment>
        <translation>proporção sempre vista pode ser nula</translation>
    </message>
    <message>
        <source>share always seen may be all</source>
        <translation>proporção sempre vista pode ser total</translation>
    </message>
    <message>
        <source>chance of being seen may be the lowest tried</source>
        <translation>probabilidade de ser visto pode ser a mais baixa testada</translation>
    </message>
    <message>
        <source>chance of being seen may be certain</source>
        <translation>probabilidade de ser visto pode ser de 100%</translation>
    </message>
    <message>
        <source>share seen may be the lowest tried</source>
        <translation>proporção vista pode ser a mais baixa testada</translation>
    </message>
    <message>
        <source>share seen may be all</source>
        <translation>proporção vista pode ser total</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What separates the ways a block&apos;s own interval is open.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Own interval open: %1.</source>
        <translation>Intervalo próprio aberto: %1.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::ReportReasons</name>
    <message>
        <source>with S held at 1 every dog is seen on every count, so the counts say nothing of P</source>
        <translation>com S fixado em 1, todos os cães são vistos em todas as contagens, pelo que as contagens nada dizem sobre P</translation>
    </message>
    <message>
        <source>S is held, not estimated</source>
        <translation>S está fixado, não é estimado</translation>
    </message>
    <message>
        <source>no dogs were counted</source>
        <translation>não foi contado nenhum cão</translation>
    </message>
    <message>
        <source>a count is negative</source>
        <translation>uma contagem é negativa</translation>
    </message>
    <message>
        <source>S is held outside 0 to 1</source>
        <translation>S está fixado fora do intervalo de 0 a 1</translation>
    </message>
    <message>
        <source>the level must lie between 0 and 1</source>
        <translation>o nível tem de estar entre 0 e 1</translation>
    </message>
    <message>
        <source>the likelihood library is not bound</source>
        <translation>a biblioteca de verosimilhança não está carregada</translation>
    </message>
    <message>
        <source>the report could not be computed</source>
        <translation>não foi possível calcular o relatório</translation>
    </message>
    <message>
        <source>the counts are impossible when S is held at %1</source>
        <translation>as contagens são impossíveis com S fixado em %1</translation>
    </message>
    <message>
        <source>the report could not be computed: %1</source>
        <extracomment>%1 is the system&apos;s own message, in English.</extracomment>
        <translation>não foi possível calcular o relatório: %1</translation>
    </message>
    <message>
        <source>no block of this stratum could be read</source>
        <translation>não foi possível ler nenhum quarteirão deste estrato</translation>
    </message>
    <message>
        <source>the blocks hold S at different values, so they share no one visibility</source>
        <translation>os quarteirões fixam S em valores diferentes, pelo que não partilham uma mesma visibilidade</translation>
    </message>
    <message>
        <source>a summed count exceeds 2147483647 dogs, more than the library takes</source>
        <translation>uma contagem somada excede 2147483647 cães, mais do que a biblioteca aceita</translation>
    </message>
    <message>
        <source>no dog was seen on these blocks, so there is no visibility to estimate; their dogs are 0 as far as the counts tell</source>
        <translation>não foi visto nenhum cão nestes quarteirões, pelo que não há visibilidade a estimar; tanto quanto as contagens mostram, os seus cães são 0</translation>
    </message>
    <message>
        <source>no number of blocks was given for this stratum</source>
        <translation>não foi indicado o número de quarteirões na cidade deste estrato</translation>
    </message>
    <message>
        <source>the visibility of this stratum&apos;s blocks cannot be fitted</source>
        <translation>não é possível ajustar a visibilidade dos quarteirões deste estrato</translation>
    </message>
    <message>
        <source>the total is too large to be a number of dogs: look at the weights and numbers of blocks</source>
        <translation>o total é demasiado grande para ser um número de cães: verifique os pesos e os números de quarteirões</translation>
    </message>
    <message>
        <source>no dog was seen on more than one count, so nothing tells how many dogs every count missed: the visibility cannot be estimated</source>
        <translation>nenhum cão foi visto em mais de uma contagem, pelo que nada indica quantos cães escaparam a todas as contagens: não é possível estimar a visibilidade</translation>
    </message>
    <message>
        <source>no dog was seen on count 1, only on counts 2 and 3, so the visibility of count 1 cannot be estimated (was count 1 made and recorded?)</source>
        <translation>nenhum cão foi visto na contagem 1, apenas nas contagens 2 e 3, pelo que não é possível estimar a visibilidade da contagem 1 (a contagem 1 foi feita e registada?)</translation>
    </message>
    <message>
        <source>no dog&apos;s mark was seen clearly</source>
        <translation>não se viu claramente a marca de nenhum cão</translation>
    </message>
    <message>
        <source>no dog was seen</source>
        <translation>não foi visto nenhum cão</translation>
    </message>
    <message>
        <source>the visibility of the dogs seen could not be fitted</source>
        <translation>não foi possível ajustar a visibilidade dos cães vistos</translation>
    </message>
    <message>
        <source>not every block of this stratum records the dogs&apos; vaccination marks</source>
        <translation>nem todos os quarteirões deste estrato registam as marcas de vacinação dos cães</translation>
    </message>
    <message>
        <source>the marked dogs of a history are more than its dogs, or fewer than none</source>
        <translation>num histórico de captura, os cães marcados são mais do que os cães desse histórico, ou menos de zero</translation>
    </message>
    <message>
        <source>a four-history stratum has dogs first seen on count 2 or 3</source>
        <translation>um estrato com apenas quatro históricos de captura tem cães vistos pela primeira vez na contagem 2 ou 3</translation>
    </message>
    <message>
        <source>more dogs of unknown mark than dogs seen without a mark</source>
        <translation>há mais cães de marca desconhecida do que cães vistos sem marca</translation>
    </message>
    <message>
        <source>stratum &quot;%1&quot;: %2</source>
        <extracomment>%1 is the stratum&apos;s name as in the data; %2 why it has no total.</extracomment>
        <translation>estrato «%1»: %2</translation>
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
        <translation>%1 em %2 partes separadas %3</translation>
    </message>
    <message>
        <source> and </source>
        <comment>between two pieces of the limits</comment>
        <translation> e </translation>
    </message>
    <message>
        <source>95% limits: %1</source>
        <translation>Limites de 95%: %1</translation>
    </message>
    <message>
        <source>, seen %1</source>
        <translation>, vistos %1</translation>
    </message>
    <message>
        <source>; dogs on the block %1 (%2–%3)</source>
        <translation>; cães no quarteirão %1 (%2–%3)</translation>
    </message>
    <message>
        <source>no upper limit</source>
        <translation>sem limite superior</translation>
    </message>
    <message>
        <source>%1 lies on the lower edge of its range (%2): the estimate and its limit stop there.</source>
        <translation>%1 está no extremo inferior dos seus valores possíveis (%2): a estimativa e o respetivo limite ficam aí.</translation>
    </message>
    <message>
        <source>%1 lies on the upper edge of its range (%2): the estimate and its limit stop there.</source>
        <translation>%1 está no extremo superior dos seus valores possíveis (%2): a estimativa e o respetivo limite ficam aí.</translation>
    </message>
    <message>
        <source>Fit check: %1.</source>
        <translation>Verificação do ajuste: %1.</translation>
    </message>
    <message>
        <source>Fit check: G² = %1 on %2 df, %3: the model fits these counts poorly.</source>
        <translation>Verificação do ajuste: G² = %1 com %2 gl, %3: o modelo ajusta-se mal a estas contagens.</translation>
    </message>
    <message>
        <source>Fit check: G² = %1 on %2 df, %3: no sign of a poor fit.</source>
        <translation>Verificação do ajuste: G² = %1 com %2 gl, %3: nenhum sinal de mau ajuste.</translation>
    </message>
    <message>
        <source>S = %1, P = %2 (log likelihood %3)</source>
        <translation>S = %1, P = %2 (log-verosimilhança %3)</translation>
    </message>
    <message>
        <source>The fit stopped at %1, short of the maximum at %2: the report is of the maximum.</source>
        <translation>O ajuste parou em %1, antes do máximo em %2: o relatório refere-se ao máximo.</translation>
    </message>
    <message>
        <source>The fit found %1, above %2: the report is of the fit&apos;s point.</source>
        <translation>O ajuste encontrou %1, acima de %2: o relatório refere-se ao ponto encontrado pelo ajuste.</translation>
    </message>
    <message>
        <source>No report: %1.</source>
        <translation>Sem relatório: %1.</translation>
    </message>
    <message>
        <source>Profile log likelihood of %1: the plotting range holds no point.</source>
        <translation>Perfil da log-verosimilhança de %1: a amplitude do gráfico não contém nenhum ponto.</translation>
    </message>
    <message>
        <source>Profile log likelihood of %1 from %2% to %3%: highest, %4, at %5%.</source>
        <translation>Perfil da log-verosimilhança de %1, entre %2% e %3%: máximo, %4, em %5%.</translation>
    </message>
    <message>
        <source>The 95% limits of %1 are %2% and %3%.</source>
        <translation>Os limites de 95% de %1 são %2% e %3%.</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>sem limite</translation>
    </message>
    <message>
        <source>quantity</source>
        <translation>grandeza</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimativa</translation>
    </message>
    <message>
        <source>95% lower</source>
        <translation>limite inferior 95%</translation>
    </message>
    <message>
        <source>95% upper</source>
        <translation>limite superior 95%</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>frequency %1</source>
        <translation>frequência %1</translation>
    </message>
    <message>
        <source>no estimate</source>
        <translation>sem estimativa</translation>
    </message>
    <message>
        <source>on the lower edge of its range</source>
        <translation>no extremo inferior dos seus valores possíveis</translation>
    </message>
    <message>
        <source>on the upper edge of its range</source>
        <translation>no extremo superior dos seus valores possíveis</translation>
    </message>
    <message>
        <source>share of all dogs seen on one count</source>
        <translation>proporção de todos os cães vista numa contagem</translation>
    </message>
    <message>
        <source>maximum log likelihood</source>
        <translation>log-verosimilhança máxima</translation>
    </message>
    <message>
        <source>dogs identified on the first count</source>
        <translation>cães identificados na primeira contagem</translation>
    </message>
    <message>
        <source>dogs on the block</source>
        <translation>cães no quarteirão</translation>
    </message>
    <message>
        <source>fit check: G²</source>
        <translation>verificação do ajuste: G²</translation>
    </message>
    <message>
        <source>df %1, p = %2</source>
        <translation>gl %1, p = %2</translation>
    </message>
    <message>
        <source>test of S = 0 (no always-visible dogs)</source>
        <translation>teste de S = 0 (nenhum cão sempre visto)</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyAnswer</name>
    <message>
        <source>No total of the city&apos;s dogs: %1.</source>
        <extracomment>%1 is the report&apos;s reason.</extracomment>
        <translation>Sem total dos cães da cidade: %1.</translation>
    </message>
    <message>
        <source>About %1 dogs, %2% between %3 and %4.</source>
        <extracomment>%1 dogs in the city; %2 the interval&apos;s level in percent; %3 and %4 its limits.</extracomment>
        <translation>Cerca de %1 cães, intervalo de %2% entre %3 e %4.</translation>
    </message>
    <message>
        <source>About %1 dogs (no interval: see the total row&apos;s note).</source>
        <translation>Cerca de %1 cães (sem intervalo: veja a nota da linha do total).</translation>
    </message>
    <message>
        <source>%1 vaccine doses for %2% coverage (between %3 and %4).</source>
        <extracomment>%1 doses for a coverage of %2 percent of the dogs; %3 and %4 the doses&apos; interval.</extracomment>
        <translation>%1 doses de vacina para uma cobertura de %2% (entre %3 e %4).</translation>
    </message>
    <message>
        <source>%1 vaccine doses for %2% coverage.</source>
        <translation>%1 doses de vacina para uma cobertura de %2%.</translation>
    </message>
    <message>
        <source>%1 of the dogs are vaccinated, %2% between %3 and %4.</source>
        <extracomment>%1 is a percentage with its sign; %2 the interval&apos;s level in percent; %3 and %4 its limits, percentages with their sign.</extracomment>
        <translation>%1 dos cães estão vacinados, intervalo de %2% entre %3 e %4.</translation>
    </message>
    <message>
        <source>%1 of the dogs are vaccinated.</source>
        <extracomment>%1 is a percentage with its sign.</extracomment>
        <translation>%1 dos cães estão vacinados.</translation>
    </message>
    <message>
        <source>The target of %1 is reached.</source>
        <extracomment>%1 is the target coverage, a percentage with its sign.</extracomment>
        <translation>A meta de %1 foi atingida.</translation>
    </message>
    <message>
        <source>%1 doses still needed to reach %2 (between %3 and %4).</source>
        <extracomment>%2 is the target coverage, a percentage with its sign; %3 and %4 the doses&apos; interval.</extracomment>
        <translation>Ainda são necessárias %1 doses para atingir %2 (entre %3 e %4).</translation>
    </message>
    <message>
        <source>%1 doses still needed to reach %2.</source>
        <translation>Ainda são necessárias %1 doses para atingir %2.</translation>
    </message>
    <message>
        <source>no interval</source>
        <extracomment>A stratum&apos;s vaccination coverage has no interval.</extracomment>
        <translation>sem intervalo</translation>
    </message>
    <message>
        <source>below %1: send a team back</source>
        <extracomment>%1 is the target coverage; the whole interval lies below it.</extracomment>
        <translation>abaixo de %1: enviar de novo uma equipa</translation>
    </message>
    <message>
        <source>uncertain</source>
        <extracomment>The coverage&apos;s interval holds the target: it may or may not be met.</extracomment>
        <translation>incerta</translation>
    </message>
    <message>
        <source>The interval takes each block&apos;s design weight as given, the blocks as drawn with replacement within their stratum.</source>
        <translation>O intervalo toma o peso amostral de cada quarteirão tal como indicado, considerando os quarteirões escolhidos com reposição dentro do seu estrato.</translation>
    </message>
    <message>
        <source>The interval assumes the blocks of each stratum were drawn at random.</source>
        <translation>O intervalo pressupõe que os quarteirões de cada estrato foram escolhidos ao acaso.</translation>
    </message>
    <message>
        <source>Where dogs without a territory differ in how shy they are, three counts cannot show it and the total is a lower bound: four or five counts, or marked dogs, measure it.</source>
        <extracomment>Dogs without a territory are seen on some counts only; &quot;shy&quot; means less often seen.</extracomment>
        <translation>Se os cães sem território diferirem em quão ariscos são, três contagens não o conseguem mostrar e o total é um limite inferior: quatro ou cinco contagens, ou cães marcados, permitem medi-lo.</translation>
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
        <translation>área de um estrato (em torno dos seus quarteirões)</translation>
    </message>
    <message>
        <source>Dogs in the block, estimated with its stratum&apos;s shared visibility:</source>
        <translation>Cães no quarteirão, estimados com a visibilidade partilhada do estrato:</translation>
    </message>
    <message>
        <source>Dogs in the block, estimated from its own counts:</source>
        <translation>Cães no quarteirão, estimados a partir das suas próprias contagens:</translation>
    </message>
    <message>
        <source>below %1: send a team back</source>
        <extracomment>%1 is the target coverage; the stratum&apos;s whole interval lies below it.</extracomment>
        <translation>abaixo de %1: enviar de novo uma equipa</translation>
    </message>
    <message>
        <source>uncertain: the interval holds %1</source>
        <translation>incerta: o intervalo contém %1</translation>
    </message>
    <message>
        <source>%1 reached</source>
        <translation>meta de %1 atingida</translation>
    </message>
    <message>
        <source>no interval</source>
        <extracomment>The stratum&apos;s coverage has no interval.</extracomment>
        <translation>sem intervalo</translation>
    </message>
    <message>
        <source>The block&apos;s stratum, by its vaccination coverage:</source>
        <translation>Estrato do quarteirão, segundo a sua cobertura vacinal:</translation>
    </message>
    <message>
        <source>no estimate</source>
        <translation>sem estimativa</translation>
    </message>
    <message>
        <source>below %1</source>
        <extracomment>A class of blocks on the map by their dogs: fewer than %1 dogs.</extracomment>
        <translation>menos de %1</translation>
    </message>
    <message>
        <source>%1 and more</source>
        <extracomment>A class of blocks on the map by their dogs: %1 dogs or more.</extracomment>
        <translation>%1 ou mais</translation>
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
        <translation>(a partir de %1, sem limite superior)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Days of fieldwork, &quot;11 to 20 November 2026&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>What separates the items of a list but the last two: &quot;team 1, team 2 and team 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is all the list&apos;s items but the last, %2 its last: &quot;team 1, team 2 and team 3&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Fieldwork from %1.</source>
        <translation>Trabalho de campo de %1.</translation>
    </message>
    <message>
        <source>Fieldwork, by %1.</source>
        <extracomment>%1 is the name of the one team, as in the data.</extracomment>
        <translation>Trabalho de campo realizado por %1.</translation>
    </message>
    <message>
        <source>Fieldwork, by %1 teams: %2.</source>
        <translation>Trabalho de campo realizado por %1 equipas: %2.</translation>
    </message>
    <message>
        <source>Fieldwork from %1, by %2.</source>
        <translation>Trabalho de campo de %1, realizado por %2.</translation>
    </message>
    <message>
        <source>Fieldwork from %1, by %2 teams: %3.</source>
        <translation>Trabalho de campo de %1, realizado por %2 equipas: %3.</translation>
    </message>
    <message>
        <source>Free-roaming dogs counted in %1</source>
        <extracomment>%1 is the survey file&apos;s name.</extracomment>
        <translation>Cães errantes contados em %1</translation>
    </message>
    <message>
        <source>Free-roaming dogs of %1</source>
        <extracomment>%1 is the title the user gave the survey, a city&apos;s name.</extracomment>
        <translation>Cães errantes de %1</translation>
    </message>
    <message>
        <source>Counts from %1; report written on %2 by Kestrivo %3.</source>
        <extracomment>%1 is the survey file&apos;s name, %2 today&apos;s date, %3 Kestrivo&apos;s version.</extracomment>
        <translation>Contagens de %1; relatório elaborado em %2 pelo Kestrivo %3.</translation>
    </message>
    <message>
        <source>The city&apos;s dogs</source>
        <translation>Os cães da cidade</translation>
    </message>
    <message>
        <source>There is no city total: give each stratum&apos;s number of blocks in the city (or a weight column) in the survey window&apos;s design.</source>
        <translation>Não há total da cidade: indique o número de quarteirões na cidade de cada estrato (ou uma coluna de pesos) no desenho amostral da janela do inquérito.</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Desenho amostral</translation>
    </message>
    <message>
        <source>One stratum: the whole city.</source>
        <translation>Um só estrato: toda a cidade.</translation>
    </message>
    <message>
        <source>The city is divided into strata by the column %1; the blocks counted in each were drawn from its blocks.</source>
        <translation>A cidade está dividida em estratos pela coluna %1; os quarteirões contados em cada estrato foram escolhidos entre os seus quarteirões.</translation>
    </message>
    <message>
        <source>Each block stands for as many blocks of the city as its design weight in the file says.</source>
        <translation>Cada quarteirão representa tantos quarteirões da cidade quantos indica o seu peso amostral no ficheiro.</translation>
    </message>
    <message>
        <source>The field data held 1 conflict, listed in the appendix.</source>
        <translation>Os dados de campo continham 1 conflito, listado no anexo.</translation>
    </message>
    <message>
        <source>The field data held %1 conflicts, listed in the appendix.</source>
        <translation>Os dados de campo continham %1 conflitos, listados no anexo.</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Estrato</translation>
    </message>
    <message>
        <source>Blocks counted</source>
        <translation>Quarteirões contados</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usados</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Excluídos</translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation>Quarteirões na cidade</translation>
    </message>
    <message>
        <source>not given</source>
        <extracomment>A stratum&apos;s number of blocks in the city was not given.</extracomment>
        <translation>não indicado</translation>
    </message>
    <message>
        <source>%1: they differ (%2)</source>
        <extracomment>Do a stratum&apos;s blocks agree on how visible their dogs are? %1 is a bold &quot;no&quot;, %2 the test&apos;s p.</extracomment>
        <translation>%1: diferem (%2)</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>yes (%1)</source>
        <translation>sim (%1)</translation>
    </message>
    <message>
        <source>%1 at least once</source>
        <extracomment>The share of a stratum&apos;s dogs seen at least once over the three counts.</extracomment>
        <translation>%1 pelo menos uma vez</translation>
    </message>
    <message>
        <source>%1 on a count</source>
        <extracomment>The share of a stratum&apos;s dogs seen on one count.</extracomment>
        <translation>%1 numa contagem</translation>
    </message>
    <message>
        <source>Strata</source>
        <translation>Estratos</translation>
    </message>
    <message>
        <source>Each stratum&apos;s dogs, with the visibility its blocks share.</source>
        <translation>Os cães de cada estrato, com a visibilidade partilhada pelos seus quarteirões.</translation>
    </message>
    <message>
        <source>Share always seen</source>
        <extracomment>The share of a block&apos;s dogs that hold a territory and are seen on every count.</extracomment>
        <translation>Proporção sempre vista</translation>
    </message>
    <message>
        <source>Chance of being seen on a count</source>
        <translation>Probabilidade de ser visto numa contagem</translation>
    </message>
    <message>
        <source>Share of its dogs seen</source>
        <translation>Proporção dos seus cães vistos</translation>
    </message>
    <message>
        <source>Do its blocks agree?</source>
        <translation>Os seus quarteirões concordam?</translation>
    </message>
    <message>
        <source>Dogs (%1 interval)</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation>Cães (intervalo de %1)</translation>
    </message>
    <message>
        <source>Doses for %1 coverage</source>
        <extracomment>%1 is the coverage aimed at, &quot;70%&quot;.</extracomment>
        <translation>Doses para uma cobertura de %1</translation>
    </message>
    <message>
        <source>the city</source>
        <extracomment>In the stratum column, where the city is its one stratum.</extracomment>
        <translation>a cidade</translation>
    </message>
    <message>
        <source>No shared visibility: %1</source>
        <extracomment>%1 is the report&apos;s own reason, in English.</extracomment>
        <translation>Sem visibilidade partilhada: %1</translation>
    </message>
    <message>
        <source>Vaccination coverage</source>
        <translation>Cobertura vacinal</translation>
    </message>
    <message>
        <source>Coverage (%1% interval)</source>
        <extracomment>%1 is the interval&apos;s level in percent.</extracomment>
        <translation>Cobertura (intervalo de %1%)</translation>
    </message>
    <message>
        <source>Share marked among the dogs seen</source>
        <translation>Proporção de marcados entre os cães vistos</translation>
    </message>
    <message>
        <source>Against %1</source>
        <extracomment>%1 is the target coverage: whether each stratum reaches it.</extracomment>
        <translation>Face à meta de %1</translation>
    </message>
    <message>
        <source>Doses still needed</source>
        <translation>Doses ainda necessárias</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A coverage with its interval: %1 (from %2 to %3).</extracomment>
        <translation>%1 (%2 a %3)</translation>
    </message>
    <message>
        <source>met</source>
        <extracomment>The coverage&apos;s interval lies above the target.</extracomment>
        <translation>atingida</translation>
    </message>
    <message>
        <source>Coverage is the marked dogs over the dogs whose mark is known, each group counted over its own share seen: the share marked among the dogs seen leans towards whichever group is easier to see.</source>
        <translation>A cobertura é a razão entre os cães marcados e os cães cuja marca é conhecida, sendo cada grupo contado segundo a sua própria proporção vista: a proporção de marcados entre os cães vistos tende para o grupo que for mais fácil de ver.</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Quarteirão</translation>
    </message>
    <message>
        <source>Dogs identified on the first count</source>
        <translation>Cães identificados na primeira contagem</translation>
    </message>
    <message>
        <source>Dogs: its own estimate (%1 interval)</source>
        <extracomment>%1 is the interval&apos;s level, &quot;95%&quot;.</extracomment>
        <translation>Cães: estimativa própria (intervalo de %1)</translation>
    </message>
    <message>
        <source>Dogs with its stratum&apos;s shared visibility (%1 interval)</source>
        <translation>Cães com a visibilidade partilhada do estrato (intervalo de %1)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Quarteirões</translation>
    </message>
    <message>
        <source>Plan: blocks to count</source>
        <translation>Plano: quarteirões a contar</translation>
    </message>
    <message>
        <source>%1 blocks</source>
        <extracomment>The number of blocks the plan recommends counting, shown in bold.</extracomment>
        <translation>%1 quarteirões</translation>
    </message>
    <message>
        <source>Count %1, so that the city&apos;s %2 interval is within %3 in %4 of surveys.</source>
        <extracomment>%1 is &quot;12 blocks&quot;; %2 the interval&apos;s level; %3 a precision, &quot;±20% of the total&quot;; %4 a share of surveys.</extracomment>
        <translation>Contar %1, para que o intervalo de %2 da cidade fique dentro de %3 em %4 dos inquéritos.</translation>
    </message>
    <message>
        <source>Count %1: %2, so that the city&apos;s %3 interval is within %4 in %5 of surveys.</source>
        <extracomment>%2 is how the blocks are shared among the strata, as the plan says it.</extracomment>
        <translation>Contar %1: %2, para que o intervalo de %3 da cidade fique dentro de %4 em %5 dos inquéritos.</translation>
    </message>
    <message>
        <source>the folder cannot be written: %1</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>não é possível escrever na pasta: %1</translation>
    </message>
    <message>
        <source>the report could not be written.</source>
        <translation>não foi possível escrever o relatório.</translation>
    </message>
    <message>
        <source>%1: is a folder.</source>
        <translation>%1: é uma pasta.</translation>
    </message>
</context>
<context>
    <name>kestrivo::window::SurveyWindow</name>
    <message>
        <source>%1 — Kestrivo survey</source>
        <translation>%1 — inquérito do Kestrivo</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Desenho amostral</translation>
    </message>
    <message>
        <source>the city or area, as the report&apos;s title</source>
        <translation>a cidade ou zona, como título do relatório</translation>
    </message>
    <message>
        <source>Survey title</source>
        <translation>Título do inquérito</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>(none: one stratum)</source>
        <translation>(nenhuma: um só estrato)</translation>
    </message>
    <message>
        <source>(none: blocks drawn at random)</source>
        <translation>(nenhuma: quarteirões escolhidos ao acaso)</translation>
    </message>
    <message>
        <source>Strata column</source>
        <translation>Coluna de estratos</translation>
    </message>
    <message>
        <source>Design weight column</source>
        <translation>Coluna de pesos amostrais</translation>
    </message>
    <message>
        <source>&amp;Strata column:</source>
        <translation>Coluna de e&amp;stratos:</translation>
    </message>
    <message>
        <source>&amp;Weight column:</source>
        <translation>Coluna de &amp;pesos:</translation>
    </message>
    <message>
        <source>Vaccination coverage in percent</source>
        <translation>Cobertura vacinal em percentagem</translation>
    </message>
    <message>
        <source>Vaccination &amp;coverage:</source>
        <translation>&amp;Cobertura vacinal:</translation>
    </message>
    <message>
        <source>Stratum</source>
        <translation>Estrato</translation>
    </message>
    <message>
        <source>Blocks counted</source>
        <translation>Quarteirões contados</translation>
    </message>
    <message>
        <source>Blocks in the city</source>
        <translation>Quarteirões na cidade</translation>
    </message>
    <message>
        <source>Blocks in the city, by stratum</source>
        <translation>Quarteirões na cidade, por estrato</translation>
    </message>
    <message>
        <source>City&apos;s dogs</source>
        <translation>Cães da cidade</translation>
    </message>
    <message>
        <source>Vaccine doses</source>
        <translation>Doses de vacina</translation>
    </message>
    <message>
        <source>What the interval assumes</source>
        <translation>Pressupostos do intervalo</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Em curso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Blocks, strata and totals</source>
        <translation>Quarteirões, estratos e totais</translation>
    </message>
    <message>
        <source>Conflicts in the field data</source>
        <translation>Conflitos nos dados de campo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>Export &amp;table...</source>
        <translation>Exportar &amp;tabela...</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exportar tabela</translation>
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
        <translation>Exportar &amp;relatório (PDF)...</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exportar relatório</translation>
    </message>
    <message>
        <source>Save &amp;conflicts...</source>
        <translation>Guardar &amp;conflitos...</translation>
    </message>
    <message>
        <source>Save conflicts</source>
        <translation>Guardar conflitos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
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
        <translation>&amp;Inquérito</translation>
    </message>
    <message>
        <source>&amp;Plan...</source>
        <translation>&amp;Planear...</translation>
    </message>
    <message>
        <source>&amp;Estimate the block</source>
        <translation>&amp;Estimar o quarteirão</translation>
    </message>
    <message>
        <source>(the city)</source>
        <translation>(a cidade)</translation>
    </message>
    <message>
        <source>The number of the city&apos;s blocks in this stratum</source>
        <translation>O número de quarteirões da cidade neste estrato</translation>
    </message>
    <message>
        <source>Fitting %1 blocks and the city&apos;s interval...</source>
        <translation>A ajustar %1 quarteirões e o intervalo da cidade...</translation>
    </message>
    <message>
        <source>Some blocks could not be fitted: see their rows.</source>
        <translation>Não foi possível ajustar alguns quarteirões: veja as linhas correspondentes.</translation>
    </message>
    <message>
        <source>%1: about %2 dogs, %3 doses</source>
        <extracomment>%1 is the stratum&apos;s name as in the data.</extracomment>
        <translation>%1: cerca de %2 cães, %3 doses</translation>
    </message>
    <message>
        <source>Working out the city&apos;s dogs...</source>
        <translation>A calcular os cães da cidade...</translation>
    </message>
    <message>
        <source>Give each stratum&apos;s number of blocks in the city (or a weight column) for the city&apos;s dogs.</source>
        <translation>Indique o número de quarteirões na cidade de cada estrato (ou uma coluna de pesos) para obter os cães da cidade.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>A guardar %1...</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>%1% vaccinated (%2% to %3%)</source>
        <extracomment>A stratum&apos;s coverage in percent, %2 to %3 its interval.</extracomment>
        <translation>%1% vacinados (%2% a %3%)</translation>
    </message>
    <message>
        <source>%1% vaccinated</source>
        <translation>%1% vacinados</translation>
    </message>
    <message>
        <source>%1 doses still needed</source>
        <translation>%1 doses ainda necessárias</translation>
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
        <translation>Cães da cidade: %1</translation>
    </message>
    <message>
        <source>Vaccine doses: %1</source>
        <translation>Doses de vacina: %1</translation>
    </message>
    <message>
        <source>By stratum: %1</source>
        <translation>Por estrato: %1</translation>
    </message>
    <message>
        <source>%1: block &quot;%2&quot;, %3, line %4: %5</source>
        <extracomment>A conflict in the list: what it is, its block, where it was found, and its detail in English as the tabulation says it.</extracomment>
        <translation>%1: quarteirão «%2», %3, linha %4: %5</translation>
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
        <translation>não foi possível ler nenhum quarteirão do estrato, pelo que não há nada a combinar.</translation>
    </message>
    <message>
        <source>the report is not ready yet.</source>
        <translation>o relatório ainda não está pronto.</translation>
    </message>
    <message>
        <source>%1: is neither a survey (whose header names c100, c111, c101 and c110) nor field data: %2</source>
        <extracomment>%2 is the reason the field data could not be read, in English.</extracomment>
        <translation>%1: não é um inquérito (cujo cabeçalho indica c100, c111, c101 e c110) nem dados de campo: %2</translation>
    </message>
    <message>
        <source>%1: is a survey (its header names c100, c111, c101 and c110), which opens alone; only field data come in several files.</source>
        <translation>%1: é um inquérito (o seu cabeçalho indica c100, c111, c101 e c110), que se abre sozinho; só os dados de campo vêm em vários ficheiros.</translation>
    </message>
    <message>
        <source>%1: is a second table of blocks, after %2; give one.</source>
        <translation>%1: é uma segunda tabela de quarteirões, depois de %2; indique apenas uma.</translation>
    </message>
    <message>
        <source>%1: hold more than this computer&apos;s memory can tabulate.</source>
        <translation>%1: contêm mais do que a memória deste computador consegue tabular.</translation>
    </message>
    <message>
        <source>%1: holds more than this computer&apos;s memory can tabulate.</source>
        <translation>%1: contém mais do que a memória deste computador consegue tabular.</translation>
    </message>
    <message>
        <source>%1: cannot be read.</source>
        <translation>%1: não foi possível ler.</translation>
    </message>
</context>
</TS>
