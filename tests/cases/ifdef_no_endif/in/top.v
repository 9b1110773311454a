x
IFDEF A
y
