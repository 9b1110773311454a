wire zero;


