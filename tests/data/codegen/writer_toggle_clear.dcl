        : toggle {
            key        = "t2" ;
            label      = "Off" ;
            width      = 11.4 ;
            height     =  1.6 ;
        }
