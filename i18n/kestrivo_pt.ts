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
        <source>%1 has no column &quot;%2&quot; for the %3.</source>
        <translation>%1 não tem a coluna «%2» para os %3.</translation>
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
        <translation> % do total</translation>
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
        <source> % of surveys</source>
        <translation> % dos inquéritos</translation>
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
        <source> Not trustworthy: </source>
        <translation> Não fiável: </translation>
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
        <source>City&apos;s dogs: </source>
        <translation>Cães da cidade: </translation>
    </message>
    <message>
        <source>Vaccine doses: </source>
        <translation>Doses de vacina: </translation>
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
        <translation>A guardar %1...</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Guardado: %1</translation>
    </message>
</context>
</TS>
