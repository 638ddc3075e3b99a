<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>црвена</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>жута</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>зелена</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>светлоплава</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>плава</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>љубичаста</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>слоновача</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>наранџаста</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Табла за игру</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>празно</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>изабрана</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>означена</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>активна</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>ред %1, колона %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Потези: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Нема потеза!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Поени: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Поени: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Нова игра</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Савет</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Подешавања</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Број боја</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 боја</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 боја</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 боја</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 боја</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Брзина</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 пута у секунди</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 пута у секунди</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 пута у секунди</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>Два пута у секунди</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>Једном у секунди</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Користи активне куглице</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Активне куглице у сваком потезу</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Аутоматска игра</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Симболи на куглицама</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Игра је завршена. Да бисте започели нову игру, освежите страницу.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Зорбель је већ отворен у другој картици.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Преместите игру овде</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Игра није могла да се учита. Проверите мрежну везу.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Покушајте поново</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Зорбель</source>
        <translation>Зорбель</translation>
    </message>
</context>
</TS>
