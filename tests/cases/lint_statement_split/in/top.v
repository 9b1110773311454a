assign y = x;;
IFDEF A ;; wire a; ;; ENDIF A
