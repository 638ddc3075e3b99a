<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>vermelha</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>amarela</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>azul-clara</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>marfim</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>selecionada</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>marcada</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>ativa</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Jogadas: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Sem jogadas!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Pontos: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Número de cores</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 cores</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 cores</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 cores</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 cores</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 vezes por segundo</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 vezes por segundo</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 vezes por segundo</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 vezes por segundo</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 vez por segundo</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Usar bolas ativas</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Bolas ativas a cada jogada</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Jogo automático</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Símbolos nas bolas</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>O jogo terminou. Para começar um novo jogo, recarregue a página.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>O Zorbel já está aberto em outra aba.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Trazer o jogo para cá</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Não foi possível carregar o jogo. Verifique sua conexão com a internet.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Tentar novamente</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Zorbel</translation>
    </message>
</context>
</TS>
