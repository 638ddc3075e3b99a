<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>piros</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>sárga</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>zöld</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>világoskék</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>kék</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>elefántcsont</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>narancssárga</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Játéktábla</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>üres</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>kiválasztott</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>megjelölt</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktív</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>%1. sor, %2. oszlop</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Lépések: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Nincs lépés!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Pontszám: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Pontszám: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Játék</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Új játék</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Színek száma</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 szín</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 szín</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 szín</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 szín</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Sebesség</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10-szer másodpercenként</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5-ször másodpercenként</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4-szer másodpercenként</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Kétszer másodpercenként</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Egyszer másodpercenként</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Aktív golyók használata</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktív golyók minden lépésnél</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatikus játék</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Szimbólumok a golyókon</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>A játék véget ért. Új játék kezdéséhez töltsd újra az oldalt.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>A Zorbel már meg van nyitva egy másik lapon.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Játék áthozása ide</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Nem sikerült betölteni a játékot. Ellenőrizd a hálózati kapcsolatot.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Próbáld újra</translation>
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
