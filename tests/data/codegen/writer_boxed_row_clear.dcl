        : boxed_row {
            key        = "grp_" ;
            label      = "R" ;
            alignment     = left ;
            width      = 26.4 ;
            height     =  3.3 ;
        }
