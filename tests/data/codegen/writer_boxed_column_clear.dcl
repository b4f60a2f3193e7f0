        : boxed_column {
            key        = "g2" ;
            label      = "" ;
            alignment     = left ;
            width      = 21.4 ;
            height     =  7.0 ;
            children_alignment = left ;
        }
