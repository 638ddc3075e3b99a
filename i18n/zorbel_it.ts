<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>rossa</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>gialla</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>azzurra</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>avorio</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Campo di gioco</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>selezionata</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>segnata</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>attiva</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Mosse: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Nessuna mossa!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Punti: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Punti: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Numero di colori</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 colori</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 colori</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 colori</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 colori</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 volte al secondo</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 volte al secondo</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 volte al secondo</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 volte al secondo</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 volta al secondo</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Usa palline attive</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Palline attive a ogni mossa</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Gioco automatico</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Simboli sulle palline</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>La partita è finita. Per iniziarne una nuova, ricarica la pagina.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel è già aperto in un’altra scheda.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Sposta qui la partita</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Impossibile caricare il gioco. Controlla la connessione di rete.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Riprova</translation>
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
