LOOP A 4 ## fine
LOOP B 1 2 3
