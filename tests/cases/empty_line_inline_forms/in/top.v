wire t_T;
  DUPL(x 0)
STOMP T t
wire y_Y;
  UCASE()
STOMP Y y
wire m_M;
  CONST()
  LCASE()
STOMP M m
wire i_I;
IFDEF D

x = DVAL(D);
ELSE D

ENDIF D
IFDEF U

ELSE U

y = DVAL(U);
ENDIF U
STOMP I i
