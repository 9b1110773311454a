module m;




    assign e = p  
    assign f = q;
  

endmodule


