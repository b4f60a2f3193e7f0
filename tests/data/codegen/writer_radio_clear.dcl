        : radio_button {
            key        = "r2" ;
            label      = "Two" ;
            width      =  5.0 ;
            height     =  1.0 ;
            alignment     = centered ;
        }
