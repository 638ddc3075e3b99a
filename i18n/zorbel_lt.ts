<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>raudonas</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>geltonas</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>žalias</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>žydras</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>mėlynas</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>violetinis</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>dramblio kaulo</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>oranžinis</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Žaidimo lenta</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>tuščia</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>pasirinktas</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>pažymėtas</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>aktyvus</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>eilutė %1, stulpelis %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Ėjimai: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Nėra ėjimų!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Taškai: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Taškai: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Žaidimas</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Naujas žaidimas</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Užuomina</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Nustatymai</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Spalvų skaičius</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 spalvos</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 spalvos</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 spalvos</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 spalvos</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Greitis</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 kartų per sekundę</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 kartus per sekundę</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 kartus per sekundę</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Du kartus per sekundę</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Kartą per sekundę</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Naudoti aktyvius kamuoliukus</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Aktyvūs kamuoliukai po kiekvieno ėjimo</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Automatinis žaidimas</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Simboliai ant kamuoliukų</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Žaidimas baigtas. Norėdami pradėti naują žaidimą, atnaujinkite puslapį.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel jau atidarytas kitame skirtuke.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Perkelti žaidimą čia</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Nepavyko įkelti žaidimo. Patikrinkite tinklo ryšį.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Bandyti dar kartą</translation>
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
