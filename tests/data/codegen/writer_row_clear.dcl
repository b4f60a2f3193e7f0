        : row {
            key        = "r2" ;
            alignment     = centered ;
            width      = 26.4 ;
            height     =  2.0 ;
            children_alignment = top ;
        }
