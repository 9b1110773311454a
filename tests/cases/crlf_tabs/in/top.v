module m;
	wire [W-1:0] a;
IFDEF ON
		assign a = 1;	// tab
ELSE ON
  assign a = 0;
ENDIF ON

	
IFDEF OFF
 wire never;
ENDIF OFF
  	mixed	 indent
plain line no capitals
endmodule
