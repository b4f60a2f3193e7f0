        : button {
            key        = "b" ;
            label      = "Go" ;
            width      = 11.4 ;
            height     =  1.9 ;
            alignment     = centered ;
        }
