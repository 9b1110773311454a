LIST mine.txt
