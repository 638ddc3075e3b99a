<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>красный</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>жёлтый</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>зелёный</source>
        <translation>verte</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>bleue</translation>
    </message>
    <message>
        <source>пурпурный</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>слоновая кость</source>
        <translation>ivoire</translation>
    </message>
    <message>
        <source>оранжевый</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>Игровое поле</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>выбран</source>
        <translation>sélectionnée</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>marquée</translation>
    </message>
    <message>
        <source>активный</source>
        <translation>active</translation>
    </message>
    <message>
        <source>строка %1, столбец %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Ходов: %1</source>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ходов нет!</source>
        <translation>Aucun coup&#x202f;!</translation>
    </message>
    <message>
        <source>Счёт: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Счёт: %1+</source>
        <translation>Score&#xa0;: %1+</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Игра</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Количество цветов</source>
        <translation>Nombre de couleurs</translation>
    </message>
    <message>
        <source>8 цветов</source>
        <translation>8 couleurs</translation>
    </message>
    <message>
        <source>7 цветов</source>
        <translation>7 couleurs</translation>
    </message>
    <message>
        <source>6 цветов</source>
        <translation>6 couleurs</translation>
    </message>
    <message>
        <source>5 цветов</source>
        <translation>5 couleurs</translation>
    </message>
    <message>
        <source>Скорость обновления</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>10 раз в сек</source>
        <translation>10 fois par seconde</translation>
    </message>
    <message>
        <source>5 раз в сек</source>
        <translation>5 fois par seconde</translation>
    </message>
    <message>
        <source>4 раза в сек</source>
        <translation>4 fois par seconde</translation>
    </message>
    <message>
        <source>2 раза в сек</source>
        <translation>2 fois par seconde</translation>
    </message>
    <message>
        <source>1 раз в сек</source>
        <translation>1 fois par seconde</translation>
    </message>
    <message>
        <source>Задействовать активные шарики</source>
        <translation>Utiliser les billes actives</translation>
    </message>
    <message>
        <source>Активные шарики каждый ход</source>
        <translation>Billes actives à chaque coup</translation>
    </message>
    <message>
        <source>Автоматическая игра</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <source>Значки на шариках</source>
        <translation>Symboles sur les billes</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Игра окончена. Чтобы начать новую игру, обновите страницу.</source>
        <translation>La partie est terminée. Pour en commencer une nouvelle, rechargez la page.</translation>
    </message>
    <message>
        <source>Зорбель уже открыт в другой вкладке.</source>
        <translation>Zorbel est déjà ouvert dans un autre onglet.</translation>
    </message>
    <message>
        <source>Перенести игру сюда</source>
        <translation>Déplacer la partie ici</translation>
    </message>
    <message>
        <source>Не удалось загрузить игру. Проверьте подключение к сети.</source>
        <translation>Impossible de charger le jeu. Vérifiez votre connexion réseau.</translation>
    </message>
    <message>
        <source>Попробовать снова</source>
        <translation>Réessayer</translation>
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
