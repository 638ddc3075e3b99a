<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>червона</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>жовта</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>зелена</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>блакитна</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>синя</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>пурпурова</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>слонова кістка</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>помаранчева</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>вибрана</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>позначена</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>активна</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>рядок %1, стовпець %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Ходів: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Ходів немає!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Рахунок: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Рахунок: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Нова</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Кількість кольорів</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 кольорів</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 кольорів</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 кольорів</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 кольорів</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Швидкість оновлення</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 разів на секунду</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 разів на секунду</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 рази на секунду</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 рази на секунду</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 раз на секунду</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Задіяти активні кульки</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Активні кульки щоходу</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Автоматична гра</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Значки на кульках</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>Гру закінчено. Щоб почати нову гру, оновіть сторінку.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Зорбель уже відкрито в іншій вкладці.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Перенести гру сюди</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Не вдалося завантажити гру. Перевірте підключення до мережі.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Спробувати знову</translation>
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
